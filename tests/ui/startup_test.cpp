// Start-up as the operator sees it: which windows appear, continuing or restarting a contest,
// going back to the start dialog, and the administrator account.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "core/award_screen.h"
#include "core/main_log_screen.h"
#include "support/ui_program.h"

using zelora::WindowId;

namespace {

constexpr const char* kStationFile =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 001\r\nMDC = \r\n\r\n";
constexpr const char* kAdministratorStationFile =
    "Call = ZZ9AAB\r\nLocator = JN81GD\r\nIQRP = \r\nMDC = \r\n\r\n";
constexpr const char* kPartialState =
    "QSO# 003\r\nCONTEST_QSO 2\r\nCONTEST_QRB 560\r\nCONTEST_MOLT 1\r\nCONTEST_PUNTI 770\r\n"
    "CONTEST_MEDIA 280\r\nCONTEST_ODX_CALL ZZ9XA\r\nCONTEST_ODX_LOC JN61FV\r\nCONTEST_ODX_QRB  "
    "350\r\n"
    "CONTEST_IQRP 1\r\nCONTEST_MDC 0\r\n"
    "LISTA_QSO 001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   \r\n"
    "LISTA_QSO 002   19/07/20   07.24   144Mhz   SSB   ZZ9XB       59-011   JN71AA   I003\r\n"
    "LISTA_QSO \r\n"
    "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n"
    "QSO_EDI 200719;0724;ZZ9XB;1;59;002;59;011;I003;JN71AA;210;;;;\r\n"
    "QSO_EDI \r\n";

struct Program : zelora::testing::UiProgram {
    QString main_label(const char* name) const {
        return find<QLabel>(WindowId::main_log, name)->text();
    }
    QString log() const {
        return find<QPlainTextEdit>(WindowId::main_log, "Text12")->toPlainText();
    }
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void theFourStartingSituations_data() {
        QTest::addColumn<bool>("profile");
        QTest::addColumn<bool>("partial_state");
        QTest::addColumn<bool>("main_shown");
        QTest::addColumn<bool>("station_shown");
        QTest::addColumn<bool>("start_shown");
        QTest::newRow("profile and contest") << true << true << false << false << true;
        QTest::newRow("profile only") << true << false << true << false << false;
        QTest::newRow("nothing") << false << false << false << true << false;
        QTest::newRow("contest only") << false << true << false << true << true;
    }

    void theFourStartingSituations() {
        QFETCH(bool, profile);
        QFETCH(bool, partial_state);
        QFETCH(bool, main_shown);
        QFETCH(bool, station_shown);
        QFETCH(bool, start_shown);
        Program program;
        if (profile) program.fake.dir.write("config.txt", kStationFile);
        if (partial_state) program.fake.dir.write("parziale.db", kPartialState);
        program.windows.start_program();
        QCOMPARE(program.shown(WindowId::main_log), main_shown);
        QCOMPARE(program.shown(WindowId::station), station_shown);
        QCOMPARE(program.shown(WindowId::start), start_shown);
        QCOMPARE(program.fake.dir.read("parziale.db"),
                 std::string(partial_state ? kPartialState : ""));
    }

    void continuingOnLineRestoresTheContest() {
        Program program;
        program.fake.dir.write("config.txt", kStationFile);
        program.fake.dir.write("parziale.db", kPartialState);
        program.windows.start_program();
        program.click(WindowId::start, "Command1");

        QVERIFY(!program.windows.is_open(WindowId::start));
        QVERIFY(program.shown(WindowId::main_log));
        QCOMPARE(program.log().count('\n'), 1);
        QVERIFY(program.log().endsWith(QStringLiteral("JN71AA   I003")));
        QCOMPARE(program.main_label("Label25"), QStringLiteral("770"));
        QCOMPARE(program.main_label("Label29"), QStringLiteral(" 350"));
        QCOMPARE(program.main_label("Label46"), QStringLiteral("on-line"));
        QCOMPARE(program.find<QLineEdit>(WindowId::main_log, "Text1")->text(),
                 QStringLiteral("003"));
        QCOMPARE(program.find<QLineEdit>(WindowId::main_log, "Text2")->text(),
                 QStringLiteral("19/07/20"));
    }

    void backToStartSavesAndTheNextContestStartsFromTheStationWindow() {
        Program program;
        program.fake.dir.write("config.txt", kStationFile);
        program.fake.dir.write("parziale.db", kPartialState);
        program.windows.start_program();
        program.click(WindowId::start, "Command1");
        program.fake.dir.write("parziale.db", "stale");
        program.click(WindowId::main_log, "Command10");

        QVERIFY(!program.windows.is_open(WindowId::main_log));
        QVERIFY(program.shown(WindowId::start));
        QCOMPARE(program.fake.dir.read("parziale.db"), std::string(kPartialState));

        program.click(WindowId::start, "Command2");  // "Nuovo Contest"
        QVERIFY(program.shown(WindowId::station));
        QTest::keyClicks(program.find<QLineEdit>(WindowId::station, "Text1"), "zz9qx");
        QTest::keyClicks(program.find<QLineEdit>(WindowId::station, "Text2"), "jn81gd");
        program.click(WindowId::station, "Command1");

        // The main window loads again: the saved contest is offered once more, the log is new.
        QVERIFY(program.shown(WindowId::main_log));
        QVERIFY(program.shown(WindowId::start));
        QCOMPARE(program.log(), QString());
        QCOMPARE(program.main_label("Label19"), QStringLiteral("0"));
    }

    void administratorAccount_data() {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<QString>("account");
        QTest::newRow("administrator") << QByteArray(kAdministratorStationFile) << "Admin";
        QTest::newRow("lower case") << QByteArray(kAdministratorStationFile).toLower() << "User";
        QTest::newRow("operator") << QByteArray(kStationFile) << "User";
    }

    void administratorAccount() {
        QFETCH(QByteArray, profile);
        QFETCH(QString, account);
        Program program;
        program.fake.dir.write("config.txt", profile.toStdString());
        program.windows.start_program();
        QCOMPARE(program.main_label("Label47"), account);
        auto* administration = program.find<QAbstractButton>(WindowId::main_log, "Command11");
        QCOMPARE(administration->isVisible(), account == "Admin");
        if (account != "Admin") return;
        program.click(WindowId::main_log, "Command11");
        QVERIFY(program.shown(WindowId::admin));
    }

    void exitClosesEveryWindowAndEndsTheProgram() {
        Program program;
        program.fake.dir.write("config.txt", kStationFile);
        program.windows.start_program();
        program.windows.award().set_visible(true);
        program.click(WindowId::main_log, "Command3");
        QVERIFY(program.windows.finished());
        QVERIFY(!program.windows.any_open());
        QVERIFY(!program.views.view(WindowId::award));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
