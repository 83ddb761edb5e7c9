// The operator aids of the main window seen as the operator types, key by key.

#include <QtTest>

#include "support/ui_program.h"

using zelora::WindowId;

namespace {

struct Program : zelora::testing::UiProgram {
    void log(const QString& callsign, const QString& locator) const {
        type("Text6", callsign);
        type("Text9", "1");
        type("Text10", locator);
        QTest::keyClick(box("Text10"), Qt::Key_Return);
    }
};

}  // namespace

class OperatorAidsTest : public QObject {
    Q_OBJECT
  private slots:
    void dupePartialListAndHintAppearAndClearKeyByKey() {
        Program program;
        program.fake.dir.write("iqrp.txt", "ZZ9XA#12\r\n");
        program.start();
        program.log("zz9xa/p", "jn61fv");
        program.fake.clock.utc.minute = 24;
        program.log("zz9xab", "kn01aa");
        QCOMPARE(program.label("Rate10"), QStringLiteral("12"));
        QCOMPARE(program.label("Rate60"), QStringLiteral("2"));

        // Typed so far, then the dupe mark, the partial list and the member hint.
        const QString both = QStringLiteral("ZZ9XAB      KN01AA\nZZ9XA/P     JN61FV\n");
        const std::tuple<QString, QString, QString, QString> steps[] = {
            {"z", "", "", ""},
            {"zz", "", both, ""},
            {"zz9xa", "", both, "I-QRP I012"},
            {"zz9xa/", "", "ZZ9XA/P     JN61FV\n", "I-QRP I012"},
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

QTEST_MAIN(OperatorAidsTest)
#include "operator_aids_test.moc"
