// The correction window driven from the keyboard, as an operator fixes a logged QSO.

#include <QtTest>

#include "support/ui_program.h"
#include "windows/qso_edit_screen.h"

using zelora::WindowId;

class QsoEditWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void searchEditAndModificaWithTheKeyboard() {
        zelora::testing::UiProgram program;
        program.start();
        for (const char* callsign : {"ZZ9XA", "ZZ9XAB"})
            zelora::testing::log_qso(program.windows.get<zelora::MainLogScreen>(), callsign, "005",
                                     "JN61FV");
        program.click(WindowId::main_log, "Command5");
        QCOMPARE(program.views.view(WindowId::qso_edit)->windowTitle(),
                 QStringLiteral("Zelora qrp Test - Modfica dati QSO"));
        program.activate(WindowId::qso_edit);
        const auto box = [&](const char* name) { return program.box(name, WindowId::qso_edit); };
        const auto focused_box = [] {
            return qobject_cast<QLineEdit*>(QApplication::focusWidget());
        };

        box("Text1")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(focused_box(), "zz9xb");
        QTest::keyClick(focused_box(), Qt::Key_Return);
        QCOMPARE(program.fake.messages.shown,
                 std::vector{zelora::testing::critical("Call non trovato nel LOG")});
        program.fake.messages.shown.clear();

        QTest::keyClick(focused_box(), Qt::Key_Backspace);
        QTest::keyClicks(focused_box(), "a");
        QTest::keyClick(focused_box(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), box("Text2"));
        QCOMPARE(box("Text3")->text() + box("Text4")->text() + box("Text5")->text(),
                 QStringLiteral("2007190720JN61FV"));
        QCOMPARE(box("Text6")->text() + box("Text7")->text() + box("Text8")->text(),
                 QStringLiteral("159005"));

        // Callsign retyped, then Tab to the locator and on to the mode, which sets the report.
        QTest::keyClick(focused_box(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused_box(), "iz0zzz");
        for (int tab = 0; tab < 3; ++tab) QTest::keyClick(focused_box(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box("Text5"));
        QTest::keyClick(focused_box(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused_box(), "jn45ll");
        QTest::keyClick(focused_box(), Qt::Key_Tab);
        QTest::keyClick(focused_box(), Qt::Key_Backspace);
        QTest::keyClicks(focused_box(), "0");
        QCOMPARE(box("Text7")->text(), QStringLiteral("599"));
        QTest::keyClick(focused_box(), Qt::Key_Return);

        QCOMPARE(program.fake.messages.shown,
                 std::vector{zelora::testing::information("I dati del QSO sono stati modificati")});
        QCOMPARE(program.log(),
                 QStringLiteral(
                     "001   19/07/20   07.20   144Mhz    CW   IZ0ZZZ      599-005  JN45LL   \n"
                     "002   19/07/20   07.20   144Mhz   SSB   ZZ9XAB      59-005   JN61FV   "));
        QCOMPARE(program.label("Label27"), QStringLiteral("IZ0ZZZ"));
        QVERIFY(box("Text1")->text().isEmpty() && box("Text2")->text().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), box("Text1"));

        program.click(WindowId::qso_edit, "Command2");
        QVERIFY(!program.windows.is_open(WindowId::qso_edit));
    }
};

QTEST_MAIN(QsoEditWindowTest)
#include "qso_edit_window_test.moc"
