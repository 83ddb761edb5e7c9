// Editing inside the boxes and the keyboard flow of an operator who never takes the mouse, and
// the operator aids as the callsign is typed (what they show for each text is the rows of
// tests/data/tables/aids.txt).

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <map>
#include <string>

#include "support/table.h"
#include "support/ui_program.h"
#include "ui/km_scale_picture.h"
#include "windows/admin_screen.h"
#include "windows/station_screen.h"

using zelora::WindowId;

namespace {

constexpr const char* kStationFile = "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 001\r\n";

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
    // The main window on-line, with the station window and the member lists open beside it.
    void open_all() {
        fake.dir.write("iqrp.txt", "I1AAA#001\r\nI2BBB#002\r\n");
        start(kStationFile);
        windows.get<zelora::StationScreen>().set_visible(true);
        windows.get<zelora::AdminScreen>().set_visible(true);
        click(WindowId::admin, "Command2");
    }
    void log_qso(const QString& callsign, const QString& locator) const {
        type("Text6", callsign);
        type("Text9", "1");
        type("Text10", locator);
        QTest::keyClick(box("Text10"), Qt::Key_Return);
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
        program.open_all();
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

        // The list boxes: a line typed in the middle of the list stays where it was typed.
        auto* list = program.find<QPlainTextEdit>(WindowId::member_lists, "Text1");
        QTextCursor cursor = list->textCursor();
        cursor.setPosition(10);  // the start of the second line
        list->setTextCursor(cursor);
        QTest::keyClicks(list, "I9ZZZ#5");
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(list->toPlainText(), QStringLiteral("I1AAA#001\nI9ZZZ#5\nI2BBB#002\n"));
        QCOMPARE(list->textCursor().position(), 18);
    }

    // "Continua Contest" by Return alone shows the end of a long log.
    void theStartDialogContinuesOnReturn() {
        Program program;
        program.fake.dir.write("parziale.db", partial_state(60));
        program.start(kStationFile);
        program.activate(WindowId::start);
        QTRY_COMPARE(program.focused(), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!program.windows.is_open(WindowId::start));
        QVERIFY(program.shown(WindowId::main_log));
        auto* log = program.find<QPlainTextEdit>(WindowId::main_log, "Text12");
        QVERIFY(program.log().endsWith(QStringLiteral(
            "160   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   ")));
        QScrollBar* scroll = log->verticalScrollBar();
        QVERIFY(scroll->maximum() > 0);
        QTRY_COMPARE(scroll->value(), scroll->maximum());
    }

    void tabGoesRoundTheEntryRowAndReturnPressesTheFocusedButton() {
        Program program;
        program.start(kStationFile);
        program.activate(WindowId::main_log);
        program.box("Text1")->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(program.focused(), QStringLiteral("Text1"));
        QStringList forward, backward;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward.append(program.focused());
        }
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            backward.append(program.focused());
        }
        QCOMPARE(forward, QString("Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text11 "
                                  "Command1 Text1")
                              .split(' '));
        QCOMPARE(backward, QString("Command1 Text11").split(' '));

        // Return on "OK" with a callsign too short: no word, the caret goes where to type.
        QTest::keyClicks(program.box("Text6"), "zz9");
        QTest::keyClicks(program.box("Text10"), "jn61fv");
        auto* scale = program.find<zelora::ui::KmScalePicture>(WindowId::main_log, "Picture2");
        QVERIFY(scale->bar().visible);  // the km scale shows the QRB as it is typed
        QCOMPARE(scale->bar().x2, 720 + 2.15f * 350);
        program.find<QPushButton>(WindowId::main_log, "Command1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(program.focused(), QStringLiteral("Text6"));
        QVERIFY(program.fake.messages.shown.empty());

        // Return on the mode picture button switches to off-line.
        program.find<QToolButton>(WindowId::main_log, "Command7")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(program.label("Label46"), QStringLiteral("off-line"));
    }

    // Every button has its own Alt key; captions read as ever once the marker is taken out.
    void everyMainWindowButtonHasAnAltKey() {
        Program program;
        program.start("Call = ZZ9AAB\r\nLocator = JN81GD\r\n");
        program.activate(WindowId::main_log);
        const auto buttons =
            program.views.view(WindowId::main_log)->findChildren<QAbstractButton*>();
        QStringList captions, keys;
        for (QAbstractButton* button : buttons) {
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

        // Alt+L is the mode picture button.
        QLineEdit* callsign = program.box("Text6");
        callsign->setFocus();
        QTRY_VERIFY(callsign->hasFocus());
        QTest::keyClick(callsign, Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(program.label("Label46"), QStringLiteral("off-line"));
    }

    void dupePartialListAndHintAppearAndClearKeyByKey() {
        Program program;
        program.fake.dir.write("iqrp.txt", "ZZ9XA#12\r\n");
        program.start();
        program.log_qso("zz9xa/p", "jn61fv");
        program.fake.clock.utc.minute = 24;
        program.log_qso("zz9xab", "kn01aa");
        QCOMPARE(program.label("Rate10") + program.label("Rate60"), QStringLiteral("12/h2/h"));

        // Typed so far, then the dupe mark, the partial list and the member hint.
        const QString both = QStringLiteral("ZZ9XAB      KN01AA\nZZ9XA/P     JN61FV\n");
        const std::tuple<QString, QString, QString, QString> steps[] = {
            {"zz", "", both, ""},
            {"zz9xa/p", "DUPE 001 07.20", "ZZ9XA/P     JN61FV\n", "I-QRP I012"},
            {"zz9xa/pp", "", "", "I-QRP I012"},
        };
        QLineEdit* callsign = program.box("Text6");
        callsign->setFocus(Qt::TabFocusReason);
        for (const auto& [typed, dupe, partial, hint] : steps) {
            QTest::keyClicks(callsign, typed.mid(callsign->text().size()));
            QCOMPARE(callsign->text(), typed.toUpper());
            QCOMPARE(program.label("DupeMark"), dupe);
            QCOMPARE(callsign->styleSheet().contains("background"), !dupe.isEmpty());
            QCOMPARE(program.partial_list(), partial);
            QCOMPARE(program.label("MemberHint"), hint);
        }
        QTest::keyClick(callsign, Qt::Key_Backspace);
        QCOMPARE(program.label("DupeMark"), QStringLiteral("DUPE 001 07.20"));
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
