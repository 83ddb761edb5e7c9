// QSOs that parziale.db could not take: the main window says so in red and keeps saying it, and
// neither its close box nor Alt+T ends the contest unless the operator says so; a timer tries
// the save again.

#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "support/ui_program.h"

using zelora::WindowId;

class UnsavedCloseTest : public QObject {
    Q_OBJECT
  private slots:
    void theWarningStaysAndClosingAsksFirst() {
        zelora::testing::UiProgram program;
        program.start();
        program.activate(WindowId::main_log);
        program.fake.dir.block("parziale.db");
        program.type("Text6", "ZZ9XA");
        program.type("Text9", "5");
        program.type("Text10", "JN61FV");
        QTest::keyClick(program.box("Text10"), Qt::Key_Return);
        auto* warning = program.find<QLabel>(WindowId::main_log, "Label55");
        QVERIFY(warning->isVisible());
        QCOMPARE(warning->text(), QStringLiteral("parziale.db NON salvato"));

        QWidget* window = program.views.view(WindowId::main_log);
        window->close();
        QCOMPARE(program.fake.messages.asked.size(), std::size_t{1});
        QTRY_VERIFY(program.box("Text6")->hasFocus());
        QTest::keyClick(program.box("Text6"), Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(program.fake.messages.asked.size(), std::size_t{2});
        QVERIFY(program.shown(WindowId::main_log));
        QVERIFY(!program.shown(WindowId::start));

        auto* retry = window->findChild<QTimer*>("RetrySave");
        QVERIFY(retry && retry->isActive() && retry->interval() == 60000);
        std::filesystem::remove_all(program.fake.dir.file("parziale.db"));
        QVERIFY(QMetaObject::invokeMethod(retry, "timeout", Qt::DirectConnection));
        QVERIFY(!warning->isVisible());
        QVERIFY(program.fake.dir.read("parziale.db").find("ZZ9XA") != std::string::npos);
        window->close();
        QVERIFY(program.windows.finished());
        QCOMPARE(program.fake.messages.asked.size(), std::size_t{2});
    }
};

QTEST_MAIN(UnsavedCloseTest)
#include "unsaved_close_test.moc"
