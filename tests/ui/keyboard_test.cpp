// The keyboard of an operator who never takes the mouse, keys sent to the focused widget: editing
// inside the boxes, Tab and the Alt keys, Return doing each window's default action from wherever
// the focus is, Escape closing, and the operator aids as the callsign is typed (what they show
// for each text is the rows of tests/data/tables/aids.txt).

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "support/table.h"
#include "support/ui_program.h"
#include "ui/km_scale_picture.h"
#include "windows/admin_screen.h"
#include "windows/edi_header_screen.h"
#include "windows/edi_save_screen.h"
#include "windows/member_list_screen.h"
#include "windows/qso_edit_screen.h"
#include "windows/station_screen.h"

using zelora::WindowId;

namespace {

// A contest of `count` QSOs as parziale.db keeps it.
std::string partial_state(int count) {
    std::string file =
        "QSO# " + std::to_string(count + 1) + "\r\nCONTEST_QSO " + std::to_string(count) + "\r\n";
    for (int i = 1; i <= count; ++i) {
        file += "LISTA_QSO " + std::to_string(100 + i) +
                "   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   \r\n";
    }
    return file + "LISTA_QSO \r\nQSO_EDI \r\n";
}

struct Program : zelora::testing::UiProgram {
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
    void return_in(WindowId id, const char* name) const {
        focus(id, name);
        press(Qt::Key_Return);
    }
};

// Backspace and Delete are written \x08 and \x7F in the keys of a row.
void press(QWidget* box, const QString& keys) {
    for (QChar key : keys) {
        if (key == '\b') {
            QTest::keyClick(box, Qt::Key_Backspace);
        } else if (key == '\x7f') {
            QTest::keyClick(box, Qt::Key_Delete);
        } else {
            QTest::keyClicks(box, QString(key));
        }
    }
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void editingInTheMiddleOfEveryKindOfBox() {
        const std::map<std::string, WindowId> windows = {{"main", WindowId::main_log},
                                                         {"station", WindowId::station},
                                                         {"lists", WindowId::member_lists}};
        Program program;
        program.start();
        program.open<zelora::StationScreen>();
        program.open<zelora::MemberListScreen>();
        for (const auto& row : zelora::testing::read_table(ZELORA_TEST_DATA "/ui/box_edits.txt")) {
            QLineEdit* box = program.box(row.in[1].c_str(), windows.at(row.in[0]));
            QVERIFY2(box, row.where.c_str());
            box->selectAll();
            QTest::keyClicks(box, QString::fromStdString(row.in[2]));
            box->setSelection(std::stoi(row.in[3]), std::stoi(row.in[4]));
            press(box, QString::fromLatin1(row.in[5]));
            if (!row.in[6].empty()) {
                QApplication::clipboard()->setText(QString::fromStdString(row.in[6]));
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
            const std::string shown = box->text().toStdString();
            QVERIFY2(shown == row.out[0], (row.where + ": " + shown).c_str());
            QVERIFY2(box->cursorPosition() == std::stoi(row.out[1]), row.where.c_str());
        }
    }

    // The focus starts on "Continua Contest"; Return from the off-line box continues too, and the
    // log shows its end. Then the main window by keys.
    void theStartDialogAndTheMainWindowByKeys() {
        Program program;
        program.fake.dir.write("parziale.db", partial_state(60));
        program.start("Call = ZZ9AAB\r\nLocator = JN81GD\r\n");  // the administrator
        program.activate(WindowId::start);
        QTRY_COMPARE(program.focused(), QStringLiteral("Command1"));
        program.focus(WindowId::start, "Check1");
        program.press(Qt::Key_Space);
        program.press(Qt::Key_Return);
        QVERIFY(!program.windows.is_open(WindowId::start) && program.shown(WindowId::main_log));
        QCOMPARE(program.label("Label46"), QStringLiteral("off-line"));
        QVERIFY(program.log().endsWith(QStringLiteral(
            "160   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   ")));
        QScrollBar* scroll =
            program.find<QPlainTextEdit>(WindowId::main_log, "Text12")->verticalScrollBar();
        QVERIFY(scroll->maximum() > 0);
        QTRY_COMPARE(scroll->value(), scroll->maximum());

        // Every button has its own Alt key; captions read as ever once the marker is taken out.
        QStringList captions, keys;
        for (auto* button :
             program.views.view(WindowId::main_log)->findChildren<QAbstractButton*>()) {
            const QKeySequence key = button->shortcut();
            QVERIFY2(key.count() == 1 && key[0].keyboardModifiers() == Qt::AltModifier,
                     qPrintable(button->objectName()));
            QVERIFY2(!keys.contains(key.toString()), qPrintable(key.toString()));
            keys.append(key.toString());
            if (!button->text().isEmpty()) captions.append(button->text().remove('&'));
        }
        captions.sort();
        QCOMPARE(
            captions,
            QString("Amministrazione|Crea LOG|Esci|Ferma|Importa storico|Modifica QSO|OK|Punta|"
                    "Radio e rotore|STAT")
                .split('|'));

        // Tab goes round the entry row and "OK", Backtab back.
        program.focus(WindowId::main_log, "Text1");
        QStringList order;
        for (int i = 0; i < 14; ++i) {
            program.press(i < 12 ? Qt::Key_Tab : Qt::Key_Backtab);
            order.append(program.focused());
        }
        QCOMPARE(order, QString("Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text11 "
                                "Command1 Text1 Command1 Text11")
                            .split(' '));

        // A date typed off-line; Alt+L: on-line, the clock's date and time, the caret in the
        // callsign box; again: off-line, the caret in the date.
        program.type("Text2", "01/01/20");
        program.press(Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(program.focused(), QStringLiteral("Text6"));
        QCOMPARE(program.box("Text2")->text() + " " + program.box("Text3")->text(),
                 QStringLiteral("19/07/20 07.20"));
        program.press(Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(program.focused(), QStringLiteral("Text2"));
        QCOMPARE(program.label("Label46"), QStringLiteral("off-line"));

        // The km scale shows the QRB as the locator is typed.
        QTest::keyClicks(program.box("Text10"), "jn61fv");
        auto* scale = program.find<zelora::ui::KmScalePicture>(WindowId::main_log, "Picture2");
        QVERIFY(scale->bar().visible);
        QCOMPARE(scale->bar().x2, 720 + 2.15f * 350);

        // Return presses the focused button, the mode picture button too.
        program.find<QToolButton>(WindowId::main_log, "Command7")->setFocus();
        program.press(Qt::Key_Return);
        QCOMPARE(program.label("Label46"), QStringLiteral("on-line"));

        // The administration window's picture button is marked as focused from the first moment,
        // not only after a Tab; the member lists open to look a member up.
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

    void returnDoesTheDefaultActionFromAnyElement() {
        Program program;
        program.fake.dir.write("iqrp.txt", "I1AAA#001\r\n");
        zelora::start_program(program.windows);  // the first start: no station yet
        program.windows.get<zelora::StationScreen>().Text1.set("IZ0NEW");
        program.windows.get<zelora::StationScreen>().Text2.set("JN61FV");
        program.return_in(WindowId::station, "Text4");
        QVERIFY(program.fake.dir.read("config.txt").starts_with("Call = IZ0NEW\r\n"));
        QVERIFY(!program.windows.is_open(WindowId::station) && program.shown(WindowId::main_log));
        zelora::testing::log_qso(program.main(), "ZZ9XA", "005", "JN61FV");

        // In the EDI comments Return is a line end; elsewhere it is "Crea EDI", then "Salva".
        auto& header = program.open<zelora::EdiHeaderScreen>();
        program.return_in(WindowId::edi_header, "Text22");
        QVERIFY(header.Text22.text() == "\r\n" && !program.windows.is_open(WindowId::edi_save));
        program.return_in(WindowId::edi_header, "Text7");
        program.windows.get<zelora::EdiSaveScreen>().Text2.set("gara.edi");
        program.return_in(WindowId::edi_save, "Text2");
        QVERIFY(program.fake.dir.read("gara.edi").starts_with("[REG1TEST;1]"));

        // The correction's search box searches, its fields correct.
        auto& edit = program.open<zelora::QsoEditScreen>();
        edit.Text1.set("ZZ9XA");
        program.return_in(WindowId::qso_edit, "Text1");
        QCOMPARE(edit.Text2.text(), "ZZ9XA");
        edit.Command3_Click();
        edit.Text5.set("JN61FW");
        program.return_in(WindowId::qso_edit, "Text5");
        QVERIFY(program.main().Text12.lines().front().find("JN61FW") != std::string::npos);

        // The member lists' search box and list choice search, the addition box adds.
        auto& lists = program.open<zelora::MemberListScreen>();
        lists.Text5.set("I1AAA");
        lists.Text6.set("I9ZZZ");
        program.fake.messages.shown.clear();
        for (const char* element : {"Text5", "Combo1", "Text6"})
            program.return_in(WindowId::member_lists, element);
        const std::string found = "Utente presente nel database I-QRP al numero 001";
        QCOMPARE(
            program.fake.messages.texts(),
            (std::vector<std::string>{found, found, "Utente aggiunto con successo nel database"}));
        QCOMPARE(program.fake.dir.read("iqrp.txt"), std::string("I1AAA#001\r\nI9ZZZ#2\r\n"));
    }

    // "Crea LOG", "Modifica QSO", "STAT" and "Report" asked for again bring their window to the
    // front; Tab leaves every box without a TAB in it, then Escape does what "Chiudi" or "Esci"
    // does.
    void windowsComeToTheFrontTabLeavesAndEscapeCloses() {
        const std::tuple<WindowId, Qt::Key, WindowId> asked[] = {
            {WindowId::main_log, Qt::Key_C, WindowId::edi_header},
            {WindowId::main_log, Qt::Key_M, WindowId::qso_edit},
            {WindowId::main_log, Qt::Key_S, WindowId::statistics},
            {WindowId::statistics, Qt::Key_unknown, WindowId::report}};
        Program program;
        program.start();
        for (const auto& [from, key, id] : asked) {
            for (int time = 0; time < 2; ++time) {
                program.activate(from);
                if (key == Qt::Key_unknown) {
                    program.return_in(from, "Command2");  // "Report"
                } else {
                    program.press(key, Qt::AltModifier);
                }
                QTRY_COMPARE(QApplication::activeWindow(), program.views.view(id));
            }
        }
        program.open<zelora::EdiHeaderScreen>().Command2_Click();  // the save window
        program.open<zelora::EdiHeaderScreen>();
        program.open<zelora::MemberListScreen>();
        program.open<zelora::AdminScreen>();
        const std::pair<WindowId, const char*> boxes[] = {
            {WindowId::edi_header, "Text22"},  {WindowId::edi_save, "Text1"},
            {WindowId::member_lists, "Text1"}, {WindowId::qso_edit, "Text1"},
            {WindowId::statistics, "Text1"},   {WindowId::report, "Text1"},
            {WindowId::admin, "Command2"}};
        for (const auto& [id, name] : boxes) {
            program.focus(id, name);
            program.press(Qt::Key_Tab);
            QVERIFY2(!program.find<QWidget>(id, name)->hasFocus(), name);
            for (auto* box : program.views.view(id)->findChildren<QPlainTextEdit*>())
                QVERIFY2(!box->toPlainText().contains('\t'), name);
            program.press(Qt::Key_Escape);
            QVERIFY2(!program.shown(id), name);
        }
        program.press(Qt::Key_Escape);  // the main window is left only by "Esci"
        QVERIFY(program.shown(WindowId::main_log));
    }

    void dupePartialListAndHintFollowTheCallsignKeyByKey() {
        Program program;
        program.fake.dir.write("iqrp.txt", "ZZ9XA#12\r\n");
        program.start();
        zelora::testing::log_qso(program.main(), "ZZ9XA/P", "1", "JN61FV");
        program.fake.clock.utc.minute = 24;
        zelora::testing::log_qso(program.main(), "ZZ9XAB", "1", "KN01AA");
        QCOMPARE(program.label("Rate10") + program.label("Rate60"), QStringLiteral("12/h2/h"));

        // Typed so far, then the dupe mark, the partial list and the member hint.
        const QString both = QStringLiteral("ZZ9XAB      KN01AA\nZZ9XA/P     JN61FV\n");
        const std::tuple<QString, QString, QString, QString> steps[] = {
            {"zz", "", both, ""},
            {"zz9xa/p", "DUPE 001 07.20", "ZZ9XA/P     JN61FV\n", "I-QRP I012"},
            {"zz9xa/pp", "", "", "I-QRP I012"},
        };
        program.focus(WindowId::main_log, "Text6");
        QLineEdit* callsign = program.box("Text6");
        for (const auto& [typed, dupe, partial, hint] : steps) {
            QTest::keyClicks(callsign, typed.mid(callsign->text().size()));
            QCOMPARE(callsign->text(), typed.toUpper());
            QCOMPARE(program.label("DupeMark"), dupe);
            QCOMPARE(callsign->styleSheet().contains("background"), !dupe.isEmpty());
            QCOMPARE(program.partial_list(), partial);
            QCOMPARE(program.label("MemberHint"), hint);
        }
        callsign->selectAll();
        QTest::keyClick(callsign, Qt::Key_Delete);
        for (const char* name : {"DupeMark", "MemberHint"}) QVERIFY(program.label(name).isEmpty());
        QVERIFY(program.partial_list().isEmpty());
        QVERIFY(callsign->styleSheet().isEmpty());
        QVERIFY(program.fake.messages.shown.empty());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
