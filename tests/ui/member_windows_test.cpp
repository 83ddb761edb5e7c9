// The administration and member-list windows driven through their widgets: the bindings only,
// the rules are pinned by the core tests.

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

#include "support/ui_program.h"
#include "windows/admin_screen.h"
#include "windows/member_list_screen.h"

using zelora::WindowId;

namespace {

// The two member files in place, and the member lists opened the way the administrator does:
// the picture button of the administration window.
struct Program : zelora::testing::UiProgram {
    explicit Program(const std::string& iqrp = "I1AAA#001\r\nI2BBB#002\r\n") {
        fake.dir.write("iqrp.txt", iqrp);
        fake.dir.write("mqc.txt", "M1CCC#017\r\n");
        windows.get<zelora::AdminScreen>().set_visible(true);
        click(WindowId::admin, "Command2");
    }
    QPlainTextEdit* list() const { return find<QPlainTextEdit>(WindowId::member_lists, "Text1"); }
    QLineEdit* field(const char* name) const { return box(name, WindowId::member_lists); }
    // Replaces the text of a box as the operator does: select all, then type key by key.
    void type_into(const char* name, const QString& keys) const {
        field(name)->selectAll();
        for (QChar key : keys) {
            QTest::sendKeyEvent(QTest::Click, field(name),
                                static_cast<Qt::Key>(key.toUpper().unicode()), QString(key),
                                Qt::NoModifier);
        }
    }
};

}  // namespace

class MemberWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void theListsOpenInPlaceOfTheAdministrationSearchAndEsci() {
        Program program;
        QVERIFY(!program.windows.is_open(WindowId::admin) && !program.views.view(WindowId::admin));
        QVERIFY(program.shown(WindowId::member_lists));
        QCOMPARE(program.list()->toPlainText(), QStringLiteral("I1AAA#001\nI2BBB#002\n"));
        QCOMPARE(program.label("Label2", WindowId::member_lists), QStringLiteral("3"));
        QTest::keyClick(program.find<QComboBox>(WindowId::member_lists, "Combo1"), Qt::Key_Down);
        program.type_into("Text5", "m1ccc");
        program.click(WindowId::member_lists, "Command2");
        QCOMPARE(program.fake.messages.texts(),
                 std::vector<std::string>{"Utente presente nel database MQC al numero 017"});
        program.click(WindowId::member_lists, "Command1");
        QVERIFY(!program.windows.is_open(WindowId::member_lists));
    }

    // A line typed into the list box and an accented callsign reach the file as Windows-1252
    // lines ending in CR LF.
    void typedAdditionReachesTheFile() {
        Program program;
        program.list()->moveCursor(QTextCursor::End);
        QTest::keyClicks(program.list(), "I3CCC#9");
        QTest::keyClick(program.list(), Qt::Key_Return);
        program.type_into("Text6", QStringLiteral("città"));
        program.click(WindowId::member_lists, "Command3");
        QCOMPARE(program.fake.dir.read("iqrp.txt"),
                 std::string("I1AAA#001\r\nI2BBB#002\r\nI3CCC#9\r\nCITT\xC0#3\r\n"));
        QCOMPARE(program.fake.dir.read("mqc.txt"), std::string("M1CCC#017\r\n"));
        QCOMPARE(program.field("Text6")->text(), QStringLiteral("N.A."));
    }

    // A non-breaking space and the bytes the code page leaves undefined stay in the box and the
    // file as they were, and typing among them keeps the caret where the operator put it.
    void untouchedBytesSurviveEditingAndSaving() {
        Program program(
            "A\xA0"
            "B#1\r\n\x81\x8D\x8F\x90\x9D#2\r\n");
        QTextCursor cursor = program.list()->textCursor();
        cursor.setPosition(2);
        program.list()->setTextCursor(cursor);
        program.list()->setFocus();
        QTest::keyClicks(program.list(), "XY");
        QCOMPARE(program.list()->textCursor().position(), 4);
        program.type_into("Text6", QStringLiteral("zz9xa"));
        program.click(WindowId::member_lists, "Command3");
        QCOMPARE(program.fake.dir.read("iqrp.txt"),
                 std::string("A\xA0XYB#1\r\n\x81\x8D\x8F\x90\x9D#2\r\nZZ9XA#3\r\n"));
    }

    // Return in a box presses its button; Tab in a list moves on and writes nothing.
    void keyboardOnly() {
        Program program;
        program.list()->setFocus();
        QTest::keyClick(program.list(), Qt::Key_Tab);
        QVERIFY(!program.list()->hasFocus());
        QCOMPARE(program.list()->toPlainText(), QStringLiteral("I1AAA#001\nI2BBB#002\n"));
        program.type_into("Text5", "i2bbb");
        QTest::keyClick(program.field("Text5"), Qt::Key_Return);
        program.type_into("Text6", "i3ccc");
        QTest::keyClick(program.field("Text6"), Qt::Key_Return);
        QCOMPARE(program.fake.messages.texts(),
                 (std::vector<std::string>{"Utente presente nel database I-QRP al numero 002",
                                           "Utente aggiunto con successo nel database"}));
        QCOMPARE(program.fake.dir.read("iqrp.txt"),
                 std::string("I1AAA#001\r\nI2BBB#002\r\nI3CCC#3\r\n"));
    }
};

QTEST_MAIN(MemberWindowsTest)
#include "member_windows_test.moc"
