// QSOs that parziale.db could not take: the main window says so in red and keeps saying it; its
// close box and Alt+T ask before the contest ends ("No" keeps it all, "Si" lets it go), and a
// timer tries the save again.

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
        const auto log = [&program](const char* callsign) {
            program.type("Text6", callsign);
            program.type("Text9", "5");
            program.type("Text10", "JN61FV");
            QTest::keyClick(program.box("Text10"), Qt::Key_Return);
        };
        const std::string path = program.fake.dir.file("parziale.db");
        program.fake.dir.block("parziale.db");
        log("ZZ9XA");
        auto* warning = program.find<QLabel>(WindowId::main_log, "Label55");
        QVERIFY(warning->isVisible());
        QCOMPARE(warning->text(), QStringLiteral("parziale.db NON salvato"));

        QWidget* window = program.views.view(WindowId::main_log);
        window->close();
        QVERIFY(program.shown(WindowId::main_log));
        QTRY_VERIFY(program.box("Text6")->hasFocus());
        QTest::keyClick(program.box("Text6"), Qt::Key_T, Qt::AltModifier);
        const std::string question = "Gli ultimi QSO non sono salvati nel file " + path +
                                     ": chiudendo ora andranno persi. Chiudere comunque?";
        QTRY_COMPARE(program.fake.messages.asked, (std::vector{question, question}));
        QVERIFY(program.shown(WindowId::main_log) && !program.shown(WindowId::start));

        auto* retry = window->findChild<QTimer*>("RetrySave");
        QVERIFY(retry && retry->isActive() && retry->interval() == 60000);
        std::filesystem::remove_all(path);
        QVERIFY(QMetaObject::invokeMethod(retry, "timeout", Qt::DirectConnection));
        QVERIFY(!warning->isVisible());
        QVERIFY(program.fake.dir.read("parziale.db").find("ZZ9XA") != std::string::npos);

        std::filesystem::remove(path);
        program.fake.dir.block("parziale.db");
        log("ZZ9XB");
        program.fake.messages.answer = true;
        window->close();
        QVERIFY(program.windows.finished());
        QCOMPARE(program.fake.messages.asked.size(), std::size_t{3});
    }
};

QTEST_MAIN(UnsavedCloseTest)
#include "unsaved_close_test.moc"
