// The start dialog, the award window and the bearing calculator driven through their widgets,
// and every window's title.

#include <QCheckBox>
#include <QtTest>

#include "support/ui_program.h"
#include "windows/admin_screen.h"
#include "windows/award_screen.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/edi_header_screen.h"
#include "windows/edi_save_screen.h"
#include "windows/member_list_screen.h"
#include "windows/qso_edit_screen.h"
#include "windows/report_screen.h"
#include "windows/statistics_screen.h"

using zelora::WindowId;
using Program = zelora::testing::UiProgram;

template <class... Screens>
void open(zelora::WindowSet& windows) {
    (windows.get<Screens>(), ...);
}

class SmallWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void startDialogNewContestWithTheOffLineBoxTickedAndItsCloseBox() {
        const std::string partial_state = "QSO# 004\r\nCONTEST_QSO 3\r\nCONTEST_QRB 1050\r\n";
        for (const bool close : {false, true}) {
            Program program;
            program.fake.dir.write("parziale.db", partial_state);
            program.start();
            if (close) {
                program.views.view(WindowId::start)->close();  // the close box ends the program
                QVERIFY(program.windows.finished());
                continue;
            }
            auto* box = program.find<QCheckBox>(WindowId::start, "Check1");
            QCOMPARE(box->text(), QStringLiteral("Modalità off-line"));
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            QCOMPARE(program.windows.get<zelora::StartScreen>().Check1.text(), "1");
            program.click(WindowId::start, "Command2");
            QVERIFY(!program.windows.is_open(WindowId::start) &&
                    !program.views.view(WindowId::start));
            QVERIFY(program.shown(WindowId::station));
            QCOMPARE(program.windows.get<zelora::StationScreen>().Text5.text(), "1");
            QVERIFY(!program.windows.get<zelora::MainLogScreen>().visible());
            QCOMPARE(program.fake.dir.read("parziale.db"),
                     partial_state);  // neither read nor deleted
        }
    }

    void awardWindowChiudiAndTheCloseBox() {
        Program program;
        program.windows.get<zelora::StationScreen>().set_visible(true);  // the program goes on
        program.windows.get<zelora::AwardScreen>().set_visible(true);
        QVERIFY(program.shown(WindowId::award));
        program.click(WindowId::award, "Command1");
        QVERIFY(!program.windows.is_open(WindowId::award) && !program.views.view(WindowId::award));
        program.windows.get<zelora::AwardScreen>().set_visible(true);
        program.views.view(WindowId::award)->close();  // the close box does as "Chiudi"
        QVERIFY(!program.windows.is_open(WindowId::award));
    }

    void calculatorComputesAtTheSixthCharacter() {
        Program program;
        program.windows.get<zelora::BearingCalculatorScreen>().set_visible(true);
        auto box = [&](const char* name) {
            return program.box(name, WindowId::bearing_calculator);
        };
        box("Text5")->selectAll();
        QTest::keyClicks(box("Text5"), "jn61f");
        QCOMPARE(box("Text6")->text() + box("Text1")->text(), QStringLiteral("......"));
        QTest::keyClicks(box("Text5"), "v");
        QCOMPARE(box("Text5")->text(), QStringLiteral("JN61FV"));
        QCOMPARE(box("Text6")->text() + box("Text1")->text(), QStringLiteral(" 350 285"));
    }

    void everyWindowsTitle() {
        Program program;
        program.start();
        const std::pair<WindowId, const char*> titles[] = {
            {WindowId::main_log, "Zelora VHF qrp - ZZ9QX Sez. di Dorvasca - ver 1.00"},
            {WindowId::station, "Zelora qrp Test - Dati Stazione"},
            {WindowId::start, "Zelora VHF qrp test - ZZ9QX Sez. di Dorvasca"},
            {WindowId::award, "I-QRP Club Awars"},
            {WindowId::bearing_calculator, "Bearing utility 1.1 - ZZ9AAA"},
            {WindowId::edi_header, "Zelora qrp Test - Compilazione Log formato EDI"},
            {WindowId::edi_save, "Zelora qrp Test - Salva Log edi"},
            {WindowId::qso_edit, "Zelora qrp Test - Modfica dati QSO"},
            {WindowId::statistics, "Zelora QRP Test - Statistiche"},
            {WindowId::report, "Zelora QRP Test - Report"},
            {WindowId::admin, "Zelora VHF qrp - Amministrazione"},
            {WindowId::member_lists, "Gestione Database IQRP - MQC"}};
        open<zelora::StationScreen, zelora::StartScreen, zelora::AwardScreen,
             zelora::BearingCalculatorScreen, zelora::EdiHeaderScreen, zelora::EdiSaveScreen,
             zelora::QsoEditScreen, zelora::StatisticsScreen, zelora::ReportScreen,
             zelora::AdminScreen, zelora::MemberListScreen>(program.windows);
        for (const auto& [id, title] : titles) {
            QVERIFY(program.views.view(id));
            QCOMPARE(program.views.view(id)->windowTitle(), QString::fromUtf8(title));
        }
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
