// The start dialog, the award window and the bearing calculator driven through their widgets.
// Their rules are pinned in tests/core; here only the binding as the operator sees it.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/ui_program.h"
#include "windows/award_screen.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/main_log_screen.h"
#include "windows/start_screen.h"
#include "windows/station_screen.h"

using zelora::WindowId;
using Program = zelora::testing::UiProgram;

class SmallWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void startDialogNewContestWithTheOffLineBoxTicked() {
        Program program;
        const std::string partial_state = "QSO# 004\r\nCONTEST_QSO 3\r\nCONTEST_QRB 1050\r\n";
        program.fake.dir.write("parziale.db", partial_state);
        program.start();
        QVERIFY(program.shown(WindowId::start));
        QCOMPARE(program.views.view(WindowId::start)->windowTitle(),
                 QStringLiteral("Zelora VHF qrp test - ZZ9QX Sez. di Dorvasca"));
        auto* box = program.find<QCheckBox>(WindowId::start, "Check1");
        QCOMPARE(box->text(), QStringLiteral("Modalità off-line"));
        QVERIFY(!box->isChecked());
        QCOMPARE(program.windows.get<zelora::StartScreen>().Check1.text(), "0");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));  // indicator
        QCOMPARE(program.windows.get<zelora::StartScreen>().Check1.text(), "1");

        program.click(WindowId::start, "Command2");
        QVERIFY(!program.windows.is_open(WindowId::start));
        QVERIFY(!program.views.view(WindowId::start));
        QVERIFY(program.shown(WindowId::station));
        QCOMPARE(program.windows.get<zelora::StationScreen>().Text5.text(), "1");
        QVERIFY(!program.windows.get<zelora::MainLogScreen>().visible());
        QCOMPARE(program.fake.dir.read("parziale.db"), partial_state);  // neither read nor deleted
    }

    void awardWindowTextsChiudiAndTheCloseBox() {
        Program program;
        // The program goes on after the award.
        program.windows.get<zelora::StationScreen>().set_visible(true);
        program.windows.get<zelora::AwardScreen>().set_visible(true);
        QVERIFY(program.shown(WindowId::award));
        QCOMPARE(program.views.view(WindowId::award)->windowTitle(),
                 QStringLiteral("I-QRP Club Awars"));
        auto* congratulations = program.find<QLabel>(WindowId::award, "Label1");
        QCOMPARE(congratulations->text(),
                 QStringLiteral("Complimenti! hai raggiunto i punti necessari al conseguimento "
                                "dell' I-QRP Club Award. Consulta il regolamento per tutti i "
                                "dettagli."));
        QVERIFY(congratulations->wordWrap());
        QCOMPARE(program.label("Label2", WindowId::award), QStringLiteral("Regolamento:"));
        QCOMPARE(program.label("Label3", WindowId::award),
                 QString::fromLatin1(zelora::kAwardRulesAddress));
        QCOMPARE(program.find<QAbstractButton>(WindowId::award, "Command1")->text(),
                 QStringLiteral("Chiudi"));
        program.click(WindowId::award, "Command1");
        QVERIFY(!program.windows.is_open(WindowId::award));
        QVERIFY(!program.views.view(WindowId::award));
        program.windows.get<zelora::AwardScreen>().set_visible(true);
        program.views.view(WindowId::award)->close();  // the close box does as "Chiudi"
        QVERIFY(!program.windows.is_open(WindowId::award));
    }

    void calculatorComputesAtTheSixthCharacter() {
        Program program;
        program.windows.get<zelora::BearingCalculatorScreen>().set_visible(true);
        QVERIFY(program.shown(WindowId::bearing_calculator));
        QCOMPARE(program.views.view(WindowId::bearing_calculator)->windowTitle(),
                 QStringLiteral("Bearing utility 1.1 - ZZ9AAA"));
        auto box = [&](const char* name) {
            return program.box(name, WindowId::bearing_calculator);
        };
        QCOMPARE(box("Text3")->text(), QStringLiteral("JN81GD"));
        box("Text5")->selectAll();
        QTest::keyClicks(box("Text5"), "jn61f");
        QCOMPARE(box("Text6")->text(), QStringLiteral("..."));
        QCOMPARE(box("Text1")->text(), QStringLiteral("..."));
        QTest::keyClicks(box("Text5"), "v");
        QCOMPARE(box("Text5")->text(), QStringLiteral("JN61FV"));
        QCOMPARE(box("Text6")->text(), QStringLiteral(" 350"));
        QCOMPARE(box("Text1")->text(), QStringLiteral(" 285"));
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
