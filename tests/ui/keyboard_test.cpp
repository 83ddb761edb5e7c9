// Editing inside the boxes and the keyboard flow of an operator who never takes the mouse.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "support/ui_program.h"
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
};

// Backspace and Delete written as "\b" and "\x7f" in the keys of a row.
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
        struct Row {
            WindowId window;
            const char* box;
            const char* start;
            int caret, selected;
            QString keys, pasted;
            const char* shown;
            int caret_after;
        };
        const WindowId main = WindowId::main_log, station = WindowId::station,
                       lists = WindowId::member_lists;
        const Row rows[] = {
            {main, "Text2", "06/12/26", 2, 0, "\b7", "", "07/12/26", 2},
            {main, "Text8", "59", 0, 0, "57", "", "5759", 2},
            {main, "Text3", "07.20", 2, 0, "\x7f.", "", "07.20", 3},
            {main, "Text9", "123", 1, 1, "9", "", "193", 2},
            {main, "Text7", "59", 1, 0, "", "9", "599", 2},
            {main, "Text6", "ZZ9XA", 2, 0, "K", "", "ZZK9XA", 3},
            {main, "Text6", "ZZ9XA", 2, 0, "k", "", "ZZK9XA", 6},  // upper-cased: caret to end
            {main, "Text6", "ZZ9XA", 2, 0, ";", "", "ZZ9XA", 2},   // refused where typed
            {main, "Text6", "ZZ9XA", 2, 0, "", "X;Y", "ZZXY9XA", 4},
            {main, "Text10", "JN61FV", 4, 2, "\b", "", "JN61", 4},
            {main, "Text11", "I003", 1, 0, "", "m1", "IM1003", 6},
            {station, "Text1", "ZZ9QX", 2, 0, "A", "", "ZZA9QX", 3},
            {station, "Text3", "001", 1, 0, "\b", "", "01", 0},
            {station, "Text4", "017", 0, 0, "\x7f", "", "17", 0},
            {lists, "Text5", "I1AAA", 1, 0, "K", "", "IK1AAA", 2},
            {lists, "Text6", "I1AAA", 5, 0, "\b\b", "", "I1A", 3},
            {lists, "Text3", "2", 0, 0, "1", "", "12", 1},
        };
        Program program;
        program.open_all();
        for (const Row& row : rows) {
            const QByteArray trace = QByteArray(row.box) + " " + row.start;
            QLineEdit* box = program.box(row.box, row.window);
            QVERIFY2(box, trace);
            box->selectAll();
            QTest::keyClicks(box, row.start);
            box->setSelection(row.caret, row.selected);
            press(box, row.keys);
            if (!row.pasted.isEmpty()) {
                QApplication::clipboard()->setText(row.pasted);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
            QVERIFY2(box->text() == QString::fromLatin1(row.shown),
                     trace + " " + box->text().toLatin1());
            QVERIFY2(box->cursorPosition() == row.caret_after, trace);
        }

        // The list boxes: a line typed in the middle of the list stays where it was typed.
        auto* list = program.find<QPlainTextEdit>(lists, "Text1");
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
        QCOMPARE(captions,
                 QString("Amministrazione|Crea LOG|Esci|Importa storico|Modifica QSO|OK|STAT")
                     .split('|'));

        // Alt+L is the mode picture button.
        QLineEdit* callsign = program.box("Text6");
        callsign->setFocus();
        QTRY_VERIFY(callsign->hasFocus());
        QTest::keyClick(callsign, Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(program.label("Label46"), QStringLiteral("off-line"));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
