// Start-up as the operator sees it: which windows appear, continuing or restarting a contest,
// going back to the start dialog, and the administrator account. The rules are pinned in
// tests/core/startup_flow_test.cpp.

#include <QAbstractButton>
#include <QtTest>

#include "support/ui_program.h"

using zelora::WindowId;

namespace {

constexpr const char* kStationFile =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 001\r\nMDC = \r\n\r\n";
constexpr const char* kPartialState =
    "QSO# 003\r\nCONTEST_QSO 2\r\nCONTEST_QRB 560\r\nCONTEST_MOLT 1\r\nCONTEST_PUNTI 770\r\n"
    "CONTEST_MEDIA 280\r\nCONTEST_ODX_CALL ZZ9XA\r\nCONTEST_ODX_LOC JN61FV\r\n"
    "CONTEST_ODX_QRB  350\r\nCONTEST_IQRP 1\r\nCONTEST_MDC 0\r\n"
    "LISTA_QSO 001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   \r\n"
    "LISTA_QSO 002   19/07/20   07.24   144Mhz   SSB   ZZ9XB       59-011   JN71AA   I003\r\n"
    "LISTA_QSO \r\n"
    "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n"
    "QSO_EDI 200719;0724;ZZ9XB;1;59;002;59;011;I003;JN71AA;210;;;;\r\n"
    "QSO_EDI \r\n";

using Program = zelora::testing::UiProgram;

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void theFourStartingSituations() {
        // config.txt, parziale.db -> main window, station window, start dialog shown.
        const bool rows[][5] = {{true, true, false, false, true},
                                {true, false, true, false, false},
                                {false, false, false, true, false},
                                {false, true, false, true, true}};
        for (const auto& row : rows) {
            Program program;
            if (row[1]) program.fake.dir.write("parziale.db", kPartialState);
            if (row[0])
                program.start(kStationFile);
            else
                zelora::start_program(program.windows);
            QCOMPARE(program.shown(WindowId::main_log), row[2]);
            QCOMPARE(program.shown(WindowId::station), row[3]);
            QCOMPARE(program.shown(WindowId::start), row[4]);
            QCOMPARE(program.fake.dir.read("parziale.db"),
                     std::string(row[1] ? kPartialState : ""));
            if (!row[4]) continue;
            program.views.view(WindowId::start)->close();  // its close box
            QVERIFY(!program.windows.is_open(WindowId::start));
            QCOMPARE(program.windows.finished(), !row[3]);  // unless the station window is left
        }
    }

    // "Continua Contest" on-line, then back to the start dialog and a new contest.
    void continuingThenBackToStartAndANewContest() {
        Program program;
        program.fake.dir.write("parziale.db", kPartialState);
        program.start(kStationFile);
        program.click(WindowId::start, "Command1");
        QVERIFY(!program.windows.is_open(WindowId::start));
        QVERIFY(program.shown(WindowId::main_log));
        QCOMPARE(program.log().count('\n'), 1);
        QVERIFY(program.log().endsWith(QStringLiteral("JN71AA   I003")));
        QCOMPARE(program.label("Label25"), QStringLiteral("770"));
        QCOMPARE(program.label("Label29"), QStringLiteral(" 350"));
        QCOMPARE(program.label("Label46"), QStringLiteral("on-line"));
        QCOMPARE(program.box("Text1")->text() + program.box("Text2")->text(),
                 QStringLiteral("00319/07/20"));

        program.fake.dir.write("parziale.db", "stale");
        program.click(WindowId::main_log, "Command10");
        QVERIFY(!program.windows.is_open(WindowId::main_log));
        QVERIFY(program.shown(WindowId::start));
        QCOMPARE(program.fake.dir.read("parziale.db"), std::string(kPartialState));

        program.click(WindowId::start, "Command2");  // "Nuovo Contest"
        QVERIFY(program.shown(WindowId::station));
        QTest::keyClicks(program.box("Text1", WindowId::station), "zz9qx");
        QTest::keyClicks(program.box("Text2", WindowId::station), "jn81gd");
        program.click(WindowId::station, "Command1");
        // The main window loads again: the saved contest is offered once more, the log is new.
        QVERIFY(program.shown(WindowId::main_log));
        QVERIFY(program.shown(WindowId::start));
        QCOMPARE(program.log(), QString());
        QCOMPARE(program.label("Label19"), QStringLiteral("0"));
    }

    void administratorAccount() {
        for (const char* profile : {"Call = ZZ9AAB\r\n", kStationFile}) {
            Program program;
            program.start(profile);
            const bool admin = profile != kStationFile;
            QCOMPARE(program.label("Label47"),
                     admin ? QStringLiteral("Admin") : QStringLiteral("User"));
            auto* administration = program.find<QAbstractButton>(WindowId::main_log, "Command11");
            QCOMPARE(administration->isVisible(), admin);
            if (!admin) continue;
            program.click(WindowId::main_log, "Command11");
            QVERIFY(program.shown(WindowId::admin));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
