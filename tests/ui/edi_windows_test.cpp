// "Crea LOG", the EDI header window, "Crea EDI" and the save window driven through their widgets,
// down to the file on disk. The log's rules are pinned in tests/core.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "support/ui_program.h"
#include "windows/edi_header_screen.h"
#include "windows/main_log_screen.h"

using zelora::WindowId;

class EdiWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void creaLogCreaEdiSalvaWritesTheFile() {
        zelora::testing::UiProgram program;
        program.fake.dir.write("config.txt", "Call = ZZ9QX/P\r\nLocator = JN81GD\r\n");
        zelora::start_program(program.windows);
        zelora::MainLogScreen& main = program.windows.get<zelora::MainLogScreen>();
        main.Text6.set("ZZ9XA");
        main.Text9.set("005");
        main.Text10.set("JN61FV");
        QVERIFY(main.AcceptQso());

        QVERIFY(!program.shown(WindowId::edi_header));
        program.click(WindowId::main_log, "Command2");  // "Crea LOG"
        QVERIFY(program.shown(WindowId::edi_header));
        QCOMPARE(program.views.view(WindowId::edi_header)->windowTitle(),
                 QStringLiteral("Zelora qrp Test - Compilazione Log formato EDI"));
        const auto header = [&](const char* name) {
            return program.find<QLineEdit>(WindowId::edi_header, name);
        };
        QCOMPARE(header("Text2")->text(), QStringLiteral("ZZ9QX/P"));
        QCOMPARE(header("Text6")->text(), QStringLiteral("19/07/2020"));
        QVERIFY(header("Text5")->isReadOnly());
        auto* category = program.find<QComboBox>(WindowId::edi_header, "Combo1");
        QCOMPARE(category->count(), 3);
        QCOMPARE(category->itemText(1), QStringLiteral("3 watt"));
        QCOMPARE(category->currentText(), QStringLiteral("0,5 watt"));
        QTest::keyClicks(header("Text10"), QStringLiteral("Forl"));
        QTest::sendKeyEvent(QTest::Click, header("Text10"), Qt::Key_Igrave, QStringLiteral("ì"),
                            Qt::NoModifier);
        QCOMPARE(program.windows.get<zelora::EdiHeaderScreen>().Text10.text(), "Forl\xEC");
        QTest::keyClicks(header("Text19"), QStringLiteral("0,6"));
        program.click(WindowId::edi_header, "Command2");  // "Crea EDI"
        QCOMPARE(program.fake.messages.texts(),
                 std::vector<std::string>{"La massima potenza consentita in questa categoria e' "
                                          "di 0,5 watt... cambiare la categoria"});
        QVERIFY(!program.windows.is_open(WindowId::edi_save));
        category->setCurrentIndex(1);
        program.click(WindowId::edi_header, "Command2");
        QVERIFY(!program.shown(WindowId::edi_header));
        QVERIFY(program.shown(WindowId::edi_save));

        QCOMPARE(program.views.view(WindowId::edi_save)->windowTitle(),
                 QStringLiteral("Zelora qrp Test - Salva Log edi"));
        QCOMPARE(program.find<QLabel>(WindowId::edi_save, "Label3")->text(),
                 QString::fromLatin1(zelora::kLogSubmissionAddress));
        auto* name = program.find<QLineEdit>(WindowId::edi_save, "Text2");
        auto* log = program.find<QPlainTextEdit>(WindowId::edi_save, "Text1");
        QCOMPARE(name->text(), QStringLiteral("02-ZZ9QX/P.edi"));
        QVERIFY(log->toPlainText().contains(
            QStringLiteral("RCity=Forlì\nRCoun=\n")));  // shown with the widget's line ends
        log->moveCursor(QTextCursor::End);
        QTest::keyClicks(log, QStringLiteral("73"));
        QTest::keyClick(log, Qt::Key_Return);
        program.click(WindowId::edi_save, "Command1");  // "Salva"
        QCOMPARE(name->text(), QStringLiteral("02-ZZ9QX_P.edi"));
        const std::string file = program.fake.dir.read("02-ZZ9QX_P.edi");
        QVERIFY(file.starts_with("[REG1TEST;1]\r\nTName=ZELORA VHF QRP Contest 2020\r\n"));
        QVERIFY(file.find("\r\nSPowe=0,6\r\nSRXeq=") != std::string::npos);
        QVERIFY(file.find("\r\nRCity=Forl\xEC\r\n") != std::string::npos);
        QVERIFY(
            file.ends_with("[QSORecords;1]\r\n200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;"
                           "\r\n[END; Created with Zelora QRP Test by ZZ9AAA]\r\n73\r\n"));
        QCOMPARE(program.fake.messages.texts().back(), "Il Log del Contest e' stato salvato in " +
                                                           program.fake.dir.file("02-ZZ9QX_P.edi"));
        QVERIFY(program.shown(WindowId::edi_save));

        QCOMPARE(program.find<QPushButton>(WindowId::edi_save, "Command3")->text(),
                 QStringLiteral("Esporta ADIF"));
        log->clear();  // the records come from the log, not from the box
        program.click(WindowId::edi_save, "Command3");
        const std::string adif = program.fake.dir.read("ZZ9QX_P.adi");
        QVERIFY(adif.find("<CALL:5>ZZ9XA <QSO_DATE:8>20200719 <TIME_ON:4>0720 ") !=
                std::string::npos);
        QVERIFY(adif.find("<STATION_CALLSIGN:7>ZZ9QX/P ") != std::string::npos);
        QVERIFY(
            adif.find("<CONTEST_ID:14>ZELORA-VHF-QRP <TX_PWR:3>0.6 <DISTANCE:3>350 <EOR>\r\n") !=
            std::string::npos);
        QCOMPARE(program.fake.messages.texts().back(),
                 "Log ADIF salvato in " + program.fake.dir.file("ZZ9QX_P.adi"));

        program.click(WindowId::edi_save, "Command2");  // "Esci"
        QVERIFY(!program.windows.is_open(WindowId::edi_save));
        program.click(WindowId::main_log, "Command2");
        QCOMPARE(header("Text10")->text(), QStringLiteral("Forlì"));  // kept while hidden
    }
};

QTEST_MAIN(EdiWindowsTest)
#include "edi_windows_test.moc"
