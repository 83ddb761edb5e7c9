// The administration and member-list windows driven through their widgets: the bindings only,
// the rules are pinned by the core tests.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "base/window_set.h"
#include "support/ui_program.h"
#include "windows/admin_screen.h"
#include "windows/member_list_screen.h"

using zelora::WindowId;

namespace {

constexpr const char* kIqrpList = "I1AAA#001\r\nI2BBB#002\r\n";
constexpr const char* kMqcList = "M1CCC#017\r\n";

// The two member files in place, and the member lists opened the way the administrator does:
// the picture button of Form10.
struct Program : zelora::testing::UiProgram {
    Program() {
        fake.dir.write("iqrp.txt", kIqrpList);
        fake.dir.write("mqc.txt", kMqcList);
        windows.get<zelora::AdminScreen>().set_visible(true);
        click(WindowId::admin, "Command2");
    }
    template <class Widget = QLineEdit>
    Widget* widget(const char* name) const {
        return find<Widget>(WindowId::member_lists, name);
    }
    // Replaces the text of a box as the operator does: select all, then type key by key.
    void type_into(const char* name, const QString& keys) const {
        widget(name)->selectAll();
        for (QChar key : keys) {
            QTest::sendKeyEvent(QTest::Click, widget(name),
                                static_cast<Qt::Key>(key.toUpper().unicode()), QString(key),
                                Qt::NoModifier);
        }
    }
    QByteArray file(const char* name) const {
        return QByteArray::fromStdString(fake.dir.read(name));
    }
    QByteArrayList messages() const {
        QByteArrayList texts;
        for (const auto& text : fake.messages.texts())
            texts.append(QByteArray::fromStdString(text));
        return texts;
    }
};

}  // namespace

class MemberWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void adminPictureButtonOpensTheListsInPlaceOfItself() {
        Program program;
        QVERIFY(!program.windows.is_open(WindowId::admin));
        QVERIFY(!program.views.view(WindowId::admin));
        QVERIFY(program.shown(WindowId::member_lists));
        QCOMPARE(program.views.view(WindowId::member_lists)->windowTitle(),
                 QStringLiteral("Gestione Database IQRP - MQC"));
        QCOMPARE(program.widget<QPlainTextEdit>("Text1")->toPlainText(),
                 QStringLiteral("I1AAA#001\nI2BBB#002\n"));
        QCOMPARE(program.widget<QLabel>("Label2")->text(), QStringLiteral("3"));
        QVERIFY(program.messages().isEmpty());
    }

    // A line typed into the list box and an accented callsign reach the file as Windows-1252
    // lines ending in CR LF.
    void typedAdditionReachesTheFile() {
        Program program;
        auto* list = program.widget<QPlainTextEdit>("Text1");
        list->moveCursor(QTextCursor::End);
        QTest::keyClicks(list, "I3CCC#9");
        QTest::keyClick(list, Qt::Key_Return);
        program.type_into("Text6", QStringLiteral("città"));
        program.click(WindowId::member_lists, "Command3");

        QCOMPARE(program.file("iqrp.txt"),
                 QByteArray("I1AAA#001\r\nI2BBB#002\r\nI3CCC#9\r\nCITT\xC0#3\r\n"));
        QCOMPARE(program.file("mqc.txt"), QByteArray(kMqcList));
        QCOMPARE(program.messages(), QByteArrayList{"Utente aggiunto con successo nel database"});
        QCOMPARE(program.widget("Text6")->text(), QStringLiteral("N.A."));
    }

    // A non-breaking space and the bytes the code page leaves undefined stay in the box and the
    // file as they were, and typing among them keeps the caret where the operator put it.
    void untouchedBytesSurviveEditingAndSaving() {
        const QByteArray odd(
            "A\xA0"
            "B#1\r\n\x81\x8D\x8F\x90\x9D#2\r\n");
        Program program;
        program.fake.dir.write("iqrp.txt", odd.toStdString());
        program.windows.get<zelora::MemberListScreen>().LoadMemberLists();
        auto* list = program.widget<QPlainTextEdit>("Text1");
        QTextCursor cursor = list->textCursor();
        cursor.setPosition(2);
        list->setTextCursor(cursor);
        list->setFocus();
        QTest::keyClicks(list, "XY");
        QCOMPARE(list->textCursor().position(), 4);
        program.type_into("Text6", QStringLiteral("zz9xa"));
        program.click(WindowId::member_lists, "Command3");
        QCOMPARE(program.file("iqrp.txt"),
                 QByteArray("A\xA0XYB#1\r\n\x81\x8D\x8F\x90\x9D#2\r\nZZ9XA#3\r\n"));
    }

    void searchOfTheChosenListShowsTheMessageAndEsciCloses() {
        Program program;
        QTest::keyClick(program.widget<QComboBox>("Combo1"), Qt::Key_Down);
        program.type_into("Text5", "m1ccc");
        program.click(WindowId::member_lists, "Command2");
        QCOMPARE(program.messages(),
                 QByteArrayList{"Utente presente nel database MQC al numero 017"});

        program.click(WindowId::member_lists, "Command1");
        QVERIFY(!program.windows.is_open(WindowId::member_lists));
        QVERIFY(!program.views.view(WindowId::member_lists));
    }

    // Return in a box presses its button; Tab in a list moves on and writes nothing.
    void keyboardOnly() {
        Program program;
        auto* list = program.widget<QPlainTextEdit>("Text1");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab);
        QVERIFY(!list->hasFocus());
        QCOMPARE(list->toPlainText(), QStringLiteral("I1AAA#001\nI2BBB#002\n"));

        program.type_into("Text5", "i2bbb");
        program.widget("Text5")->setFocus();  // keys go to the box with the focus
        QTest::keyClick(program.widget("Text5"), Qt::Key_Return);
        program.type_into("Text6", "i3ccc");
        program.widget("Text6")->setFocus();
        QTest::keyClick(program.widget("Text6"), Qt::Key_Return);
        QCOMPARE(program.messages(),
                 (QByteArrayList{"Utente presente nel database I-QRP al numero 002",
                                 "Utente aggiunto con successo nel database"}));
        QCOMPARE(program.file("iqrp.txt"), QByteArray("I1AAA#001\r\nI2BBB#002\r\nI3CCC#3\r\n"));
    }
};

QTEST_MAIN(MemberWindowsTest)
#include "member_windows_test.moc"
