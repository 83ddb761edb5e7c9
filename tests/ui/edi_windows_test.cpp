// "Crea LOG", the EDI header window, "Crea EDI" and the save window driven through their widgets,
// down to the files on disk. The log's rules are pinned in tests/core.

#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>

#include "support/ui_program.h"
#include "windows/edi_header_screen.h"

using zelora::WindowId;

class EdiWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void creaLogCreaEdiSalvaAndEsportaAdifWriteTheFiles() {
        zelora::testing::UiProgram program;
        program.start("Call = ZZ9QX/P\r\nLocator = JN81GD\r\n");
        zelora::testing::log_qso(program.windows.get<zelora::MainLogScreen>(), "ZZ9XA", "005",
                                 "JN61FV");
        program.click(WindowId::main_log, "Command2");  // "Crea LOG"
        QVERIFY(program.shown(WindowId::edi_header));
        const auto header = [&](const char* name) {
            return program.box(name, WindowId::edi_header);
        };
        QCOMPARE(header("Text2")->text() + header("Text6")->text(),
                 QStringLiteral("ZZ9QX/P19/07/2020"));
        QVERIFY(header("Text5")->isReadOnly());
        auto* category = program.find<QComboBox>(WindowId::edi_header, "Combo1");
        QCOMPARE(category->count(), 3);
        QCOMPARE(category->currentText(), QStringLiteral("0,5 watt"));
        QTest::keyClicks(header("Text10"), QStringLiteral("Forl"));
        QTest::sendKeyEvent(QTest::Click, header("Text10"), Qt::Key_Igrave, QStringLiteral("ì"),
                            Qt::NoModifier);
        QCOMPARE(program.windows.get<zelora::EdiHeaderScreen>().Text10.text(), "Forl\xEC");
        QTest::keyClicks(header("Text19"), QStringLiteral("0,6"));
        program.click(WindowId::edi_header, "Command2");  // "Crea EDI": too much for 0,5 watt
        QVERIFY(!program.windows.is_open(WindowId::edi_save));
        category->setCurrentIndex(1);
        QCOMPARE(category->currentText(), QStringLiteral("3 watt"));
        program.click(WindowId::edi_header, "Command2");
        QVERIFY(!program.shown(WindowId::edi_header) && program.shown(WindowId::edi_save));

        auto* name = program.box("Text2", WindowId::edi_save);
        auto* log = program.find<QPlainTextEdit>(WindowId::edi_save, "Text1");
        QCOMPARE(name->text(), QStringLiteral("02-ZZ9QX/P.edi"));
        QVERIFY(log->toPlainText().contains(QStringLiteral("RCity=Forlì\nRCoun=\n")));
        log->moveCursor(QTextCursor::End);
        QTest::keyClicks(log, QStringLiteral("73"));
        QTest::keyClick(log, Qt::Key_Return);
        program.click(WindowId::edi_save, "Command1");  // "Salva"
        QCOMPARE(name->text(), QStringLiteral("02-ZZ9QX_P.edi"));
        const std::string file = program.fake.dir.read("02-ZZ9QX_P.edi");
        QVERIFY(file.find("\r\nRCity=Forl\xEC\r\n") != std::string::npos);
        QVERIFY(file.find("\r\nSPowe=0,6\r\n") != std::string::npos);
        QVERIFY(
            file.ends_with("200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n"
                           "[END; Created with Zelora QRP Test by ZZ9AAA]\r\n73\r\n"));

        log->clear();  // the records come from the log, not from the box
        program.click(WindowId::edi_save, "Command3");  // "Esporta ADIF"
        QVERIFY(program.fake.dir.read("ZZ9QX_P.adi").find("<CALL:5>ZZ9XA ") != std::string::npos);
        QCOMPARE(program.fake.messages.texts().size(), 3u);  // the refusal and the two saves

        program.click(WindowId::edi_save, "Command2");  // "Esci"
        QVERIFY(!program.windows.is_open(WindowId::edi_save));
        program.click(WindowId::main_log, "Command2");
        QCOMPARE(header("Text10")->text(), QStringLiteral("Forlì"));  // kept while hidden
    }
};

QTEST_MAIN(EdiWindowsTest)
#include "edi_windows_test.moc"
