// The administration and member-list windows driven through their widgets, down to the bytes
// of the member files.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "core/window_set.h"
#include "store/admin_screen.h"
#include "store/member_list_screen.h"
#include "support/ui_program.h"

using zelora::WindowId;

namespace {

// Types `keys` one key at a time, letters beyond ASCII included.
void type_keys(QWidget* widget, const QString& keys) {
    for (QChar key : keys) {
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(key.toUpper().unicode()),
                            QString(key), Qt::NoModifier);
    }
}

constexpr const char* kIqrpList = "I1AAA#001\r\nI2BBB#002\r\n";
constexpr const char* kMqcList = "M1CCC#017\r\n";
constexpr const char* kAdded = "Utente aggiunto con successo nel database";
constexpr const char* kDuplicate = "L'Utente non pu\xF2 essere aggiunto poiche' gia' presente";

// The windows over fakes, with their Qt views, and the two member files in place.
struct Program : zelora::testing::UiProgram {
    Program() {
        fake.dir.write("iqrp.txt", kIqrpList);
        fake.dir.write("mqc.txt", kMqcList);
    }

    QLineEdit* edit(const char* name) const {
        return find<QLineEdit>(WindowId::member_lists, name);
    }
    QAbstractButton* button(const char* name) const {
        return find<QAbstractButton>(WindowId::member_lists, name);
    }
    QString label(const char* name) const {
        return find<QLabel>(WindowId::member_lists, name)->text();
    }

    // Opens the member lists the way the administrator does: the picture button of Form10.
    void open_member_lists() {
        windows.admin().set_visible(true);
        QTest::mouseClick(find<QAbstractButton>(WindowId::admin, "Command2"), Qt::LeftButton);
    }

    // Replaces the text of a box as the operator does: select all, then type.
    void type_into(const char* name, const QString& keys) const {
        QLineEdit* box = edit(name);
        box->selectAll();
        type_keys(box, keys);
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
        program.windows.admin().set_visible(true);
        zelora::ui::WindowView* admin = program.views.view(WindowId::admin);
        QVERIFY(admin && admin->isVisible());
        QCOMPARE(admin->windowTitle(), QStringLiteral("Zelora VHF qrp - Amministrazione"));
        auto* picture = program.find<QAbstractButton>(WindowId::admin, "Command2");
        QVERIFY(picture);
        QVERIFY(picture->text().isEmpty());
        QVERIFY(!picture->icon().isNull());

        QTest::mouseClick(picture, Qt::LeftButton);

        QVERIFY(!program.windows.is_open(WindowId::admin));
        QVERIFY(!program.views.view(WindowId::admin));
        zelora::ui::WindowView* lists = program.views.view(WindowId::member_lists);
        QVERIFY(lists && lists->isVisible());
        QCOMPARE(lists->windowTitle(), QStringLiteral("Gestione Database IQRP - MQC"));
        QCOMPARE(program.find<QPlainTextEdit>(WindowId::member_lists, "Text1")->toPlainText(),
                 QStringLiteral("I1AAA#001\nI2BBB#002\n"));
        QCOMPARE(program.find<QPlainTextEdit>(WindowId::member_lists, "Text2")->toPlainText(),
                 QStringLiteral("M1CCC#017\n"));
        QCOMPARE(program.edit("Text3")->text(), QStringLiteral("2"));
        QCOMPARE(program.edit("Text4")->text(), QStringLiteral("1"));
        QCOMPARE(program.find<QComboBox>(WindowId::member_lists, "Combo1")->currentText(),
                 QStringLiteral("I-QRP"));
        QCOMPARE(program.label("Label2"), QStringLiteral("3"));
        QCOMPARE(program.edit("Text6")->text(), QStringLiteral("N.A."));
        QVERIFY(program.messages().isEmpty());
    }

    void adminChiudiClosesOnlyItself() {
        Program program;
        program.windows.admin().set_visible(true);
        QTest::mouseClick(program.find<QAbstractButton>(WindowId::admin, "Command1"),
                          Qt::LeftButton);
        QVERIFY(!program.windows.is_open(WindowId::admin));
        QVERIFY(!program.windows.is_open(WindowId::member_lists));
    }

    void additionReachesTheFiles_data() {
        QTest::addColumn<bool>("mqc");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("iqrp_file");
        QTest::addColumn<QByteArray>("mqc_file");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("add_field");

        const QByteArray iqrp(kIqrpList);
        const QByteArray mqc(kMqcList);
        QTest::newRow("I-QRP, typed in lower case") << false << "i5xyz" << iqrp + "I5XYZ#3\r\n"
                                                    << mqc << QByteArray(kAdded) << "N.A.";
        QTest::newRow("MQC picked from the choice")
            << true << "m5xyz" << iqrp << mqc + "M5XYZ#2\r\n"
            << QByteArray(kAdded) << "N.A.";
        QTest::newRow("'#' never reaches a callsign") << false << "i5#x#yz" << iqrp + "I5XYZ#3\r\n"
                                                      << mqc << QByteArray(kAdded) << "N.A.";
        QTest::newRow("accented letters are stored as Windows-1252")
            << false << QStringLiteral("città") << iqrp + "CITT\xC0#3\r\n"
            << mqc << QByteArray(kAdded) << "N.A.";
        QTest::newRow("member already listed")
            << false << "i2bbb" << iqrp << mqc << QByteArray(kDuplicate) << "I2BBB";
    }

    void additionReachesTheFiles() {
        QFETCH(bool, mqc);
        QFETCH(QString, typed);
        QFETCH(QByteArray, iqrp_file);
        QFETCH(QByteArray, mqc_file);
        QFETCH(QByteArray, message);
        QFETCH(QString, add_field);

        Program program;
        program.open_member_lists();
        if (mqc) {
            auto* choice = program.find<QComboBox>(WindowId::member_lists, "Combo1");
            QTest::keyClick(choice, Qt::Key_Down);
            QCOMPARE(program.windows.member_lists().Combo1.text(), "MQC");
            QCOMPARE(program.label("Label2"), QStringLiteral("2"));
        }
        program.type_into("Text6", typed);
        QTest::mouseClick(program.button("Command3"), Qt::LeftButton);

        QCOMPARE(program.file("iqrp.txt"), iqrp_file);
        QCOMPARE(program.file("mqc.txt"), mqc_file);
        QCOMPARE(program.messages(), QByteArrayList{message});
        QCOMPARE(program.edit("Text6")->text(), add_field);
    }

    void handEditOfAListBoxIsSavedWithTheAddition() {
        Program program;
        program.open_member_lists();
        auto* list = program.find<QPlainTextEdit>(WindowId::member_lists, "Text1");
        list->moveCursor(QTextCursor::End);
        QTest::keyClicks(list, "I3CCC#9");
        QTest::keyClick(list, Qt::Key_Return);
        program.type_into("Text6", "i5xyz");
        QTest::mouseClick(program.button("Command3"), Qt::LeftButton);

        QCOMPARE(program.file("iqrp.txt"),
                 QByteArray("I1AAA#001\r\nI2BBB#002\r\nI3CCC#9\r\nI5XYZ#3\r\n"));
        QCOMPARE(program.file("mqc.txt"), QByteArray(kMqcList));
        QCOMPARE(list->toPlainText(), QStringLiteral("I1AAA#001\nI2BBB#002\nI3CCC#9\nI5XYZ#3\n"));
    }

    void searchTellsWhereTheMemberIs_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("message");

        QTest::newRow("I-QRP member")
            << "I-QRP"
            << "i2bbb" << QByteArray("Utente presente nel database I-QRP al numero 002");
        QTest::newRow("MQC member")
            << "MQC"
            << "m1ccc" << QByteArray("Utente presente nel database MQC al numero 017");
        QTest::newRow("not in the chosen list")
            << "MQC"
            << "i2bbb" << QByteArray("Utente non presente nel database MQC");
        QTest::newRow("no such list") << "XYZ"
                                      << "i2bbb" << QByteArray();
    }

    void searchTellsWhereTheMemberIs() {
        QFETCH(QString, choice);
        QFETCH(QString, typed);
        QFETCH(QByteArray, message);

        Program program;
        program.open_member_lists();
        auto* combo = program.find<QComboBox>(WindowId::member_lists, "Combo1");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), choice);
        QCOMPARE(QString::fromStdString(program.windows.member_lists().Combo1.text()), choice);
        QCOMPARE(combo->count(), 2);  // typing adds no entry
        program.type_into("Text5", typed);
        QCOMPARE(program.edit("Text5")->text(), typed.toUpper());
        QTest::mouseClick(program.button("Command2"), Qt::LeftButton);

        QCOMPARE(program.messages(),
                 message.isEmpty() ? QByteArrayList{} : QByteArrayList{message});
        QCOMPARE(program.file("iqrp.txt"), QByteArray(kIqrpList));
        QCOMPARE(program.file("mqc.txt"), QByteArray(kMqcList));
    }

    void esciAndTheCloseBoxCloseTheWindow_data() {
        QTest::addColumn<bool>("close_box");
        QTest::newRow("Esci") << false;
        QTest::newRow("close box") << true;
    }

    void esciAndTheCloseBoxCloseTheWindow() {
        QFETCH(bool, close_box);
        Program program;
        program.open_member_lists();
        program.find<QPlainTextEdit>(WindowId::member_lists, "Text1")->setPlainText("hand edit");
        if (close_box) {
            program.views.view(WindowId::member_lists)->close();
        } else {
            QTest::mouseClick(program.button("Command1"), Qt::LeftButton);
        }
        QVERIFY(!program.windows.is_open(WindowId::member_lists));
        QVERIFY(!program.views.view(WindowId::member_lists));
        QCOMPARE(program.file("iqrp.txt"), QByteArray(kIqrpList));  // unsaved edits are dropped
    }
};

QTEST_MAIN(MemberWindowsTest)
#include "member_windows_test.moc"
