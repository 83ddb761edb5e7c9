// The keyboard of an operator who never takes the mouse, keys sent to the focused widget: Return
// does each window's default action from wherever the focus is, Tab leaves every box, Escape
// closes, a window asked for again comes to the front, back on-line the clock takes over.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <functional>
#include <tuple>
#include <utility>

#include "support/ui_program.h"
#include "windows/admin_screen.h"
#include "windows/edi_header_screen.h"
#include "windows/edi_save_screen.h"
#include "windows/member_list_screen.h"
#include "windows/qso_edit_screen.h"
#include "windows/report_screen.h"
#include "windows/station_screen.h"
#include "windows/statistics_screen.h"

using zelora::WindowId;

namespace {

constexpr const char* kContest =
    "QSO# 002\r\nCONTEST_QSO 1\r\n"
    "LISTA_QSO 001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   \r\n"
    "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n";

struct Program : zelora::testing::UiProgram {
    // A contest under way, continued, with a member list at hand.
    void start_contest() {
        fake.dir.write("iqrp.txt", "I1AAA#001\r\n");
        fake.dir.write("parziale.db", kContest);
        start("Call = ZZ9AAB\r\nLocator = JN81GD\r\n");
        click(WindowId::start, "Command1");
    }
    zelora::MainLogScreen& main() { return windows.get<zelora::MainLogScreen>(); }
    template <class Screen>
    Screen& open() {
        Screen& screen = windows.get<Screen>();
        screen.bring_to_front();
        return screen;
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
};

using Step = std::function<void(Program&)>;
using Check = std::function<bool(Program&)>;

}  // namespace

class KeyboardFixesTest : public QObject {
    Q_OBJECT
  private slots:
    void returnDoesTheDefaultActionFromAnyElement() {
        using zelora::EdiHeaderScreen, zelora::MemberListScreen, zelora::QsoEditScreen;
        struct Row {
            const char* trace;
            Step open;
            WindowId window;
            const char* element;
            int key_before;  // 0: none
            Check done;
        };
        const Step header = [](Program& p) {
            p.start_contest();
            p.open<EdiHeaderScreen>();
        };
        const Step found = [](Program& p) {
            p.start_contest();
            p.open<QsoEditScreen>().Text1.set("ZZ9XA");
        };
        const Step lists = [](Program& p) {
            p.start_contest();
            MemberListScreen& lists = p.open<MemberListScreen>();
            lists.Text5.set("I1AAA");
            lists.Text6.set("I9ZZZ");
        };
        const Check found_message = [](Program& p) {
            return p.fake.messages.texts() ==
                   std::vector<std::string>{"Utente presente nel database I-QRP al numero 001"};
        };
        const Row rows[] = {
            {"station",
             [](Program& p) {
                 zelora::start_program(p.windows);  // the first start: no station yet
                 p.windows.get<zelora::StationScreen>().Text1.set("IZ0NEW");
                 p.windows.get<zelora::StationScreen>().Text2.set("JN61FV");
             },
             WindowId::station, "Text4", 0,
             [](Program& p) {
                 return p.fake.dir.read("config.txt").starts_with("Call = IZ0NEW\r\n") &&
                        !p.windows.is_open(WindowId::station) && p.shown(WindowId::main_log);
             }},
            {"start, off-line ticked",
             [](Program& p) {
                 p.fake.dir.write("parziale.db", kContest);
                 p.start();
             },
             WindowId::start, "Check1", Qt::Key_Space,
             [](Program& p) {
                 return !p.windows.is_open(WindowId::start) &&
                        p.main().Label46.text() == "off-line" && p.main().Text12.size() == 1;
             }},
            {"EDI header", header, WindowId::edi_header, "Text7", 0,
             [](Program& p) { return p.shown(WindowId::edi_save); }},
            {"EDI comments", header, WindowId::edi_header, "Text22", 0,
             [](Program& p) {
                 return p.windows.get<EdiHeaderScreen>().Text22.text() == "\r\n" &&
                        !p.windows.is_open(WindowId::edi_save);
             }},
            {"EDI save",
             [](Program& p) {
                 p.start_contest();
                 p.open<EdiHeaderScreen>().Command2_Click();
                 p.windows.get<zelora::EdiSaveScreen>().Text2.set("gara.edi");
             },
             WindowId::edi_save, "Text2", 0,
             [](Program& p) { return p.fake.dir.read("gara.edi").starts_with("[REG1TEST;1]"); }},
            {"correction search", found, WindowId::qso_edit, "Text1", 0,
             [](Program& p) { return p.windows.get<QsoEditScreen>().Text2.text() == "ZZ9XA"; }},
            {"correction field",
             [found](Program& p) {
                 found(p);
                 p.windows.get<QsoEditScreen>().Command3_Click();
                 p.windows.get<QsoEditScreen>().Text5.set("JN61FW");
             },
             WindowId::qso_edit, "Text5", 0,
             [](Program& p) {
                 return p.main().Text12.lines().front().find("JN61FW") != std::string::npos;
             }},
            {"member search", lists, WindowId::member_lists, "Text5", 0, found_message},
            {"member list choice", lists, WindowId::member_lists, "Combo1", 0, found_message},
            {"member addition", lists, WindowId::member_lists, "Text6", 0,
             [](Program& p) {
                 return p.fake.dir.read("iqrp.txt").find("I9ZZZ#") != std::string::npos;
             }},
        };
        for (const Row& row : rows) {
            Program program;
            row.open(program);
            program.activate(row.window);
            QWidget* element = program.find<QWidget>(row.window, row.element);
            QVERIFY2(element, row.trace);
            element->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY2(element->hasFocus(), row.trace);
            if (row.key_before) program.press(row.key_before);
            program.press(Qt::Key_Return);
            QVERIFY2(row.done(program), row.trace);
        }
    }

    // Tab leaves the box without a TAB in it; Escape then does what "Chiudi" or "Esci" does.
    void tabLeavesEveryBoxAndEscapeClosesTheWindow() {
        const std::pair<WindowId, const char*> rows[] = {
            {WindowId::edi_header, "Text22"},  {WindowId::edi_save, "Text1"},
            {WindowId::member_lists, "Text1"}, {WindowId::qso_edit, "Text1"},
            {WindowId::statistics, "Text1"},   {WindowId::report, "Text1"},
            {WindowId::admin, "Command2"}};
        Program program;
        program.start_contest();
        program.open<zelora::EdiHeaderScreen>().Command2_Click();  // the save window
        program.open<zelora::EdiHeaderScreen>();
        program.open<zelora::MemberListScreen>();
        program.open<zelora::QsoEditScreen>();
        program.open<zelora::StatisticsScreen>().Command2_Click();  // the report window
        program.open<zelora::AdminScreen>();
        for (const auto& [id, name] : rows) {
            program.activate(id);
            QWidget* element = program.find<QWidget>(id, name);
            element->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY2(element->hasFocus(), name);
            program.press(Qt::Key_Tab);
            QVERIFY2(!element->hasFocus(), name);
            for (auto* box : element->window()->findChildren<QPlainTextEdit*>())
                QVERIFY2(!box->toPlainText().contains('\t'), name);
            program.press(Qt::Key_Escape);
            QVERIFY2(!program.shown(id), name);
        }
        // The main window is left only by "Esci".
        program.press(Qt::Key_Escape);
        QVERIFY(program.shown(WindowId::main_log));
    }

    // The member lists open to look a member up; a focused button, the administration
    // window's picture button too, is marked from the first moment, not only after a Tab.
    void theFocusStartsWhereTheOperatorTypesAndButtonsShowIt() {
        Program program;
        program.start_contest();
        program.activate(WindowId::main_log);
        program.press(Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(program.focused(), QStringLiteral("Command2"));
        auto* picture = program.find<QAbstractButton>(WindowId::admin, "Command2");
        const QImage focused = picture->grab().toImage();
        program.press(Qt::Key_Tab);
        QCOMPARE(program.focused(), QStringLiteral("Command1"));
        QVERIFY(picture->grab().toImage() != focused);
        program.press(Qt::Key_Backtab);
        program.press(Qt::Key_Return);
        program.activate(WindowId::member_lists);
        QTRY_COMPARE(program.focused(), QStringLiteral("Text5"));
    }

    // "Crea LOG", "Modifica QSO", "STAT" and "Report" on a window hidden behind another one.
    void aWindowAskedForAgainComesToTheFront() {
        const std::tuple<WindowId, Qt::Key, WindowId> rows[] = {
            {WindowId::main_log, Qt::Key_C, WindowId::edi_header},
            {WindowId::main_log, Qt::Key_M, WindowId::qso_edit},
            {WindowId::main_log, Qt::Key_S, WindowId::statistics},
            {WindowId::statistics, Qt::Key_unknown, WindowId::report}};
        Program program;
        program.start_contest();
        for (const auto& [from, key, id] : rows) {
            for (int time = 0; time < 2; ++time) {
                program.activate(from);
                if (key == Qt::Key_unknown) {
                    program.find<QWidget>(from, "Command2")->setFocus();  // "Report"
                    program.press(Qt::Key_Return);
                } else {
                    program.press(key, Qt::AltModifier);
                }
                QTRY_COMPARE(QApplication::activeWindow(), program.views.view(id));
            }
        }
    }

    // Alt+L twice: the date and time from the clock again, the caret in "Callsign".
    void backOnLineTakesTheClockAndTheCallsignBox() {
        Program program;
        program.start_contest();
        program.activate(WindowId::main_log);
        program.press(Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(program.focused(), QStringLiteral("Text2"));
        program.press(Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(program.focused(), QStringLiteral("Text6"));
        QTest::keyClicks(QApplication::focusWidget(), "zz9xb");
        QCOMPARE(program.main().entry().callsign, "ZZ9XB");
        QCOMPARE(program.box("Text2")->text(), QStringLiteral("19/07/20"));
        QCOMPARE(program.box("Text3")->text(), QStringLiteral("07.20"));
    }
};

QTEST_MAIN(KeyboardFixesTest)
#include "keyboard_fixes_test.moc"
