// A station of the history picked from the partial list with the keyboard, marked until edited.
#include <QtTest>

#include "support/ui_program.h"

class HistoryListTest : public QObject {
    Q_OBJECT
  private slots:
    void downFromTheCallsignAndEnterPickAStationOfTheHistory() {
        zelora::testing::UiProgram program;
        program.fake.dir.write("storico.txt",
                               "IK2ABC#JN45LL#20200719\r\nIK2ABC/P#JN55AA#20190720\r\n");
        program.start();
        program.type("Text6", "ik2a");
        QCOMPARE(program.partial_list(),
                 QStringLiteral("Storico\nIK2ABC      JN45LL\nIK2ABC/P    JN55AA\n"));
        QTest::keyClick(program.box("Text6"), Qt::Key_Down);
        QCOMPARE(program.focused(), QStringLiteral("PartialList"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(program.box("Text6")->text(), QStringLiteral("IK2ABC/P"));
        QCOMPARE(program.box("Text10")->text(), QStringLiteral("JN55AA"));
        QCOMPARE(program.label("HistoryMark"), QStringLiteral("Storico: JN55AA (20/07/2019)"));
        QTRY_COMPARE(program.focused(), QStringLiteral("Text9"));
        QVERIFY(program.box("Text10")->styleSheet().contains("background"));
        program.type("Text10", "x");  // edited: no longer the history's
        QVERIFY(program.box("Text10")->styleSheet().isEmpty());
    }
};

QTEST_MAIN(HistoryListTest)
#include "history_list_test.moc"
