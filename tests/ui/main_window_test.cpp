// The main window and the station window driven through their widgets, as an operator does.
// The rules behind each reaction are pinned in tests/core; here only the binding and whole flows.

#include <QtTest>

#include "support/ui_program.h"
#include "ui/km_scale_picture.h"

using zelora::WindowId;

namespace {

struct Program : zelora::testing::UiProgram {
    bool label_shown(const char* name) const {
        return find<QLabel>(WindowId::main_log, name)->isVisibleTo(views.view(WindowId::main_log));
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void aQsoTypedAndEnteredIsLoggedScoredAndSavedThenTheModeKeys() {
        Program program;
        program.start();
        program.activate(WindowId::main_log);
        QCOMPARE(program.views.view(WindowId::main_log)->windowTitle(),
                 QStringLiteral("Zelora VHF qrp - ZZ9QX Sez. di Dorvasca - ver 1.00"));

        program.type("Text6", "zz9xa;");
        QCOMPARE(program.box("Text6")->text(), QStringLiteral("ZZ9XA"));
        program.type("Text9", "5");
        program.type("Text10", "jn61fv");  // entering the box takes the UTC clock
        QCOMPARE(program.box("Text2")->text(), QStringLiteral("19/07/20"));
        QCOMPARE(program.box("Text3")->text(), QStringLiteral("07.20"));
        QCOMPARE(program.box("Text9")->text(), QStringLiteral("005"));
        QCOMPARE(program.box("Text10")->text(), QStringLiteral("JN61FV"));
        QCOMPARE(program.label("Label13"), QStringLiteral(" 350"));
        QCOMPARE(program.label("Label15"), QStringLiteral(" 285"));
        QVERIFY(program.label_shown("Label13"));
        auto* scale = program.find<zelora::ui::KmScalePicture>(WindowId::main_log, "Picture2");
        QVERIFY(scale->bar().visible);
        QCOMPARE(scale->bar().x2, 720 + 2.15f * 350);

        program.type("Text11", "i003");
        QTest::keyClick(program.box("Text11"), Qt::Key_Return);

        QCOMPARE(program.log(),
                 QStringLiteral(
                     "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   I003"));
        QCOMPARE(program.box("Text1")->text(), QStringLiteral("002"));
        QCOMPARE(program.box("Text6")->text(), QString());
        QVERIFY(!program.label_shown("Label13"));
        QVERIFY(!scale->bar().visible);
        QVERIFY(program.box("Text6")->hasFocus());
        const std::pair<const char*, const char*> totals[] = {
            {"Label19", "1"},   {"Label21", "350"},   {"Label23", "1"},      {"Label25", "700"},
            {"Label44", "350"}, {"Label27", "ZZ9XA"}, {"Label28", "JN61FV"}, {"Label29", " 350"},
            {"Label51", "1"},   {"Label52", "0"}};
        for (const auto& [name, value] : totals)
            QCOMPARE(program.label(name), QString::fromLatin1(value));
        QVERIFY(program.fake.dir.read("parziale.db").find("LISTA_QSO 001   19/07/20") !=
                std::string::npos);
        QVERIFY(program.fake.messages.shown.empty());

        // Up and Down are the only keys of the mode box, and set the reports too.
        QLineEdit* mode = program.box("Text5");
        QTest::keyClick(mode, Qt::Key_Down);
        QCOMPARE(mode->text(), QStringLiteral("CW"));
        QCOMPARE(program.box("Text7")->text(), QStringLiteral("599"));
        QCOMPARE(program.box("Text8")->text(), QStringLiteral("599"));
        QTest::keyClick(mode, Qt::Key_X);
        QCOMPARE(mode->text(), QStringLiteral("CW"));
        QTest::keyClick(mode, Qt::Key_Up);
        QCOMPARE(mode->text(), QStringLiteral("SSB"));
        QCOMPARE(program.box("Text8")->text(), QStringLiteral("59"));
    }

    void theStationWindowWritesTheProfileAndOpensTheMainWindow() {
        Program program;
        zelora::start_program(program.windows);
        QVERIFY(program.shown(WindowId::station));
        QVERIFY(!program.shown(WindowId::main_log));
        QCOMPARE(program.views.view(WindowId::station)->windowTitle(),
                 QStringLiteral("Zelora qrp Test - Dati Stazione"));
        QTest::keyClicks(program.box("Text1", WindowId::station), "zz9aab");
        QTest::keyClicks(program.box("Text2", WindowId::station), "jn61fv");
        QTest::keyClicks(program.box("Text3", WindowId::station), "007");
        program.click(WindowId::station, "Command1");

        QCOMPARE(program.fake.dir.read("config.txt"),
                 std::string("Call = ZZ9AAB\r\nLocator = JN61FV\r\nIQRP = 007\r\nMDC = \r\n\r\n"));
        QVERIFY(!program.windows.is_open(WindowId::station));
        QVERIFY(program.shown(WindowId::main_log));
        const std::pair<const char*, const char*> labels[] = {
            {"Label39", "ZZ9AAB"}, {"Label40", "JN61FV"}, {"Label41", "007"}, {"Label42", "..."}};
        for (const auto& [name, value] : labels)
            QCOMPARE(program.label(name), QString::fromLatin1(value));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
