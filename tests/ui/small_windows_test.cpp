// The start dialog, the award window and the bearing calculator driven through their widgets.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "core/award_screen.h"
#include "core/main_log_screen.h"
#include "core/start_screen.h"
#include "core/station_screen.h"
#include "core/window_set.h"
#include "geo/bearing_calculator_screen.h"
#include "support/ui_program.h"

using zelora::WindowId;

namespace {

constexpr const char* kStationFile =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 001\r\nMDC = \r\n\r\n";
constexpr const char* kPartialState = "QSO# 004\r\nCONTEST_QSO 3\r\nCONTEST_QRB 1050\r\n";

using Program = zelora::testing::UiProgram;

// Ticks the box as the mouse does: on its indicator.
void tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

}  // namespace

class SmallWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void startDialogNewContest_data() {
        QTest::addColumn<bool>("offline");
        QTest::addColumn<std::string>("station_flag");
        QTest::newRow("on-line") << false << std::string("0");
        QTest::newRow("off-line ticked") << true << std::string("1");
    }

    void startDialogNewContest() {
        QFETCH(bool, offline);
        QFETCH(std::string, station_flag);
        Program program;
        program.fake.dir.write("config.txt", kStationFile);
        program.fake.dir.write("parziale.db", kPartialState);
        program.windows.start_program();

        QVERIFY(program.shown(WindowId::start));
        QCOMPARE(program.views.view(WindowId::start)->windowTitle(),
                 QStringLiteral("Zelora VHF qrp test - ZZ9QX Sez. di Dorvasca"));
        auto* box = program.find<QCheckBox>(WindowId::start, "Check1");
        QCOMPARE(box->text(), QStringLiteral("Modalità off-line"));
        QVERIFY(!box->isChecked());
        if (offline) tick(box);
        QCOMPARE(program.windows.start().Check1.text(), offline ? "1" : "0");

        program.click(WindowId::start, "Command2");

        QVERIFY(!program.windows.is_open(WindowId::start));
        QVERIFY(!program.views.view(WindowId::start));
        QVERIFY(program.shown(WindowId::station));
        QCOMPARE(program.windows.station().Text5.text(), station_flag);
        QVERIFY(!program.windows.main_log().visible());
        QCOMPARE(program.fake.dir.read("parziale.db"), kPartialState);  // neither read nor deleted
    }

    void startDialogContinueOffline() {
        Program program;
        program.fake.dir.write("config.txt", kStationFile);
        program.fake.dir.write("parziale.db", kPartialState);
        program.windows.start_program();
        tick(program.find<QCheckBox>(WindowId::start, "Check1"));

        program.click(WindowId::start, "Command1");

        QVERIFY(!program.windows.is_open(WindowId::start));
        zelora::MainLogScreen& main = program.windows.main_log();
        QVERIFY(main.visible());
        QCOMPARE(main.Text1.text(), "004");
        QCOMPARE(main.Label19.text(), "3");
        QCOMPARE(main.Label21.text(), "1050");
        QCOMPARE(main.Text15.text(), "1");
        QCOMPARE(main.Label46.text(), "off-line");
    }

    // Without a station file the station window and the start dialog are open together:
    // closing the dialog leaves the station window to the operator.
    void startDialogCloseBoxLeavesTheStationWindow() {
        Program program;
        program.fake.dir.write("parziale.db", kPartialState);
        program.windows.start_program();
        QVERIFY(program.shown(WindowId::start));
        QVERIFY(program.shown(WindowId::station));

        program.views.view(WindowId::start)->close();

        QVERIFY(!program.windows.is_open(WindowId::start));
        QVERIFY(!program.windows.finished());
        QVERIFY(program.shown(WindowId::station));
    }

    void awardWindowTexts() {
        Program program;
        program.windows.award().set_visible(true);
        QVERIFY(program.shown(WindowId::award));
        QCOMPARE(program.views.view(WindowId::award)->windowTitle(),
                 QStringLiteral("I-QRP Club Awars"));
        auto* congratulations = program.find<QLabel>(WindowId::award, "Label1");
        QCOMPARE(congratulations->text(),
                 QStringLiteral("Complimenti! hai raggiunto i punti necessari al conseguimento "
                                "dell' I-QRP Club Award. Consulta il regolamento per tutti i "
                                "dettagli."));
        QVERIFY(congratulations->wordWrap());
        QCOMPARE(program.find<QLabel>(WindowId::award, "Label2")->text(),
                 QStringLiteral("Regolamento:"));
        QCOMPARE(program.find<QLabel>(WindowId::award, "Label3")->text(),
                 QString::fromLatin1(zelora::kAwardRulesAddress));
        QCOMPARE(program.find<QAbstractButton>(WindowId::award, "Command1")->text(),
                 QStringLiteral("Chiudi"));
    }

    void awardWindowCloses_data() {
        QTest::addColumn<bool>("close_box");
        QTest::newRow("Chiudi") << false;
        QTest::newRow("close box") << true;
    }

    void awardWindowCloses() {
        QFETCH(bool, close_box);
        Program program;
        program.windows.station().set_visible(true);  // the program goes on after the award
        program.windows.award().set_visible(true);
        if (close_box) {
            program.views.view(WindowId::award)->close();
        } else {
            program.click(WindowId::award, "Command1");
        }
        QVERIFY(!program.windows.is_open(WindowId::award));
        QVERIFY(!program.views.view(WindowId::award));
    }

    void calculatorComputesAtTheSixthCharacter_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("locator");
        QTest::addColumn<QString>("km");
        QTest::addColumn<QString>("bearing");
        QTest::newRow("lower case") << "jn61fv"
                                    << "JN61FV"
                                    << " 350"
                                    << " 285";
        QTest::newRow("far south") << "JL81GD"
                                   << "JL81GD"
                                   << " 2219"
                                   << " 180";
        QTest::newRow("own locator") << "jn81gd"
                                     << "JN81GD"
                                     << " 0"
                                     << "0";
    }

    void calculatorComputesAtTheSixthCharacter() {
        QFETCH(QString, typed);
        QFETCH(QString, locator);
        QFETCH(QString, km);
        QFETCH(QString, bearing);
        Program program;
        program.windows.calculator().set_visible(true);
        QVERIFY(program.shown(WindowId::bearing_calculator));
        QCOMPARE(program.views.view(WindowId::bearing_calculator)->windowTitle(),
                 QStringLiteral("Bearing utility 1.1 - ZZ9AAA"));
        auto* locator1 = program.find<QLineEdit>(WindowId::bearing_calculator, "Text3");
        auto* locator2 = program.find<QLineEdit>(WindowId::bearing_calculator, "Text5");
        auto* km_box = program.find<QLineEdit>(WindowId::bearing_calculator, "Text6");
        auto* bearing_box = program.find<QLineEdit>(WindowId::bearing_calculator, "Text1");
        QCOMPARE(locator1->text(), QStringLiteral("JN81GD"));

        locator2->selectAll();
        QTest::keyClicks(locator2, typed.left(5));
        QCOMPARE(km_box->text(), QStringLiteral("..."));
        QCOMPARE(bearing_box->text(), QStringLiteral("..."));
        QTest::keyClicks(locator2, typed.mid(5));

        QCOMPARE(locator2->text(), locator);
        QCOMPARE(km_box->text(), km);
        QCOMPARE(bearing_box->text(), bearing);
        QCOMPARE(program.windows.calculator().Text6.text(), km.toStdString());
    }

    void calculatorButtons() {
        Program program;
        zelora::BearingCalculatorScreen& calculator = program.windows.calculator();
        calculator.set_visible(true);
        calculator.SetLocator2("JN61FV");
        auto* locator1 = program.find<QLineEdit>(WindowId::bearing_calculator, "Text3");
        locator1->selectAll();
        QTest::keyClicks(locator1, "jn61fv");
        QCOMPARE(program.find<QLineEdit>(WindowId::bearing_calculator, "Text6")->text(),
                 QStringLiteral(" 350"));  // Locator 1 alone does not calculate

        program.click(WindowId::bearing_calculator, "Command1");
        QCOMPARE(program.find<QLineEdit>(WindowId::bearing_calculator, "Text6")->text(),
                 QStringLiteral(" 0"));
        QCOMPARE(program.find<QLineEdit>(WindowId::bearing_calculator, "Text1")->text(),
                 QStringLiteral("0"));

        program.click(WindowId::bearing_calculator, "Command2");
        QVERIFY(!program.windows.is_open(WindowId::bearing_calculator));
        QVERIFY(!program.views.view(WindowId::bearing_calculator));
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
