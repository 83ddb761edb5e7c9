// The windows the whole-contest test does not drive through their widgets, or not wholly: the
// start dialog, the award window, the bearing calculator, the member lists; and the pointing
// pictures.

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QtTest>

#include "geo/pointing.h"
#include "support/ui_program.h"
#include "ui/compass_picture.h"
#include "ui/km_scale_picture.h"
#include "windows/admin_screen.h"
#include "windows/award_screen.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/member_list_screen.h"

using zelora::WindowId;
using Program = zelora::testing::UiProgram;

namespace {

// The two member files in place, and the member lists opened the way the administrator does:
// the picture button of the administration window.
struct ListsProgram : zelora::testing::UiProgram {
    explicit ListsProgram(const std::string& iqrp = "I1AAA#001\r\nI2BBB#002\r\n") {
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

QImage rendered(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}
bool is_needle(QColor c) {
    return c.red() > 150 && c.green() < 100 && c.blue() < 100;
}
bool is_bar(QColor c) {
    return c.blue() > 120 && c.red() < 80;
}

}  // namespace

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

    void theListsOpenInPlaceOfTheAdministrationSearchAndEsci() {
        ListsProgram program;
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
    // lines ending in CR LF; a non-breaking space and the bytes the code page leaves undefined
    // stay as they were, and typing among them keeps the caret where the operator put it.
    void typedAdditionsReachTheFileAndOtherBytesStay() {
        ListsProgram program(
            "A\xA0"
            "B#1\r\n\x81\x8D\x8F\x90\x9D#2\r\n");
        QTextCursor cursor = program.list()->textCursor();
        cursor.setPosition(2);
        program.list()->setTextCursor(cursor);
        program.list()->setFocus();
        QTest::keyClicks(program.list(), "XY");
        QCOMPARE(program.list()->textCursor().position(), 4);
        program.list()->moveCursor(QTextCursor::End);
        QTest::keyClicks(program.list(), "I3CCC#9");
        QTest::keyClick(program.list(), Qt::Key_Return);
        program.type_into("Text6", QStringLiteral("città"));
        program.click(WindowId::member_lists, "Command3");
        QCOMPARE(program.fake.dir.read("iqrp.txt"),
                 std::string("A\xA0XYB#1\r\n\x81\x8D\x8F\x90\x9D#2\r\nI3CCC#9\r\nCITT\xC0#3\r\n"));
        QCOMPARE(program.fake.dir.read("mqc.txt"), std::string("M1CCC#017\r\n"));
        QCOMPARE(program.field("Text6")->text(), QStringLiteral("N.A."));
    }

    void needleAndBarAreDrawnWhereTheyPoint() {
        zelora::ui::CompassPicture compass;
        QCOMPARE(compass.size(), QSize(121, 121));
        QVERIFY(is_needle(rendered(compass).pixelColor(57, 18)));  // north at start
        compass.setNeedle(zelora::needle_pointing(zelora::kNeedleAtStart, 90));
        QVERIFY(is_needle(rendered(compass).pixelColor(96, 56)));
        QVERIFY(!is_needle(rendered(compass).pixelColor(57, 18)));
        const zelora::TwipLine east = zelora::needle_pointing(zelora::kNeedleAtStart, 90);
        const zelora::TwipLine kept = zelora::needle_pointing(east, 1.7976931348623157e308);
        QVERIFY(kept.x2 == east.x2 && kept.y2 == east.y2);  // a direction out of reach: no move

        zelora::ui::KmScalePicture scale;
        QCOMPARE(scale.size(), QSize(225, 42));
        QVERIFY(!is_bar(rendered(scale).pixelColor(90, 8)));  // hidden at start
        scale.setBar(zelora::bar_for_distance(zelora::kBarAtStart, 350));
        QVERIFY(is_bar(rendered(scale).pixelColor(90, 8)));
        QVERIFY(!is_bar(rendered(scale).pixelColor(110, 8)));
        scale.setBar(zelora::bar_for_distance(zelora::kBarAtStart, 1e300));  // cut at the edge
        QVERIFY(is_bar(rendered(scale).pixelColor(224, 8)));
        QVERIFY(!is_bar(rendered(scale).pixelColor(224, 20)));
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
