// The logger killed with SIGKILL while an operator logs QSOs loses none of the QSOs it accepted:
// "Continua Contest" brings every one of them back. The operator is this same program started
// again with --operate: the real windows, typed into as a user does.

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>
#include <cstring>
#include <iostream>

#include "support/ui_program.h"
#include "windows/main_log_screen.h"

using zelora::WindowId;

namespace {

QString callsign(int n) {
    return QStringLiteral("ZZ9A%1").arg(n, 3, 10, QChar('0'));
}

// Logs QSOs for ever in the program directory `directory`, telling each accepted one on
// standard output.
int operate(int argc, char** argv, const std::string& directory) {
    QApplication app(argc, argv);
    zelora::testing::FakeClock clock;
    zelora::testing::RecordingMessages messages;
    zelora::WindowSet windows({clock, messages, directory});
    zelora::ui::WindowViews views(windows);
    zelora::start_program(windows);
    auto box = [&](const char* name) {
        return views.view(WindowId::main_log)->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    for (int n = 0;; ++n) {
        QTest::keyClicks(box("Text6"), callsign(n));
        QTest::keyClicks(box("Text9"), QStringLiteral("001"));
        QTest::keyClicks(box("Text10"), QStringLiteral("JN61FV"));
        QTest::keyClick(box("Text10"), Qt::Key_Return);
        if (windows.get<zelora::MainLogScreen>().Text12.size() != static_cast<std::size_t>(n + 1))
            return 1;
        std::cout << n + 1 << std::endl;
    }
}

}  // namespace

class CrashSafetyTest : public QObject {
    Q_OBJECT
  private slots:
    void aKilledLoggerLosesNoAcceptedQso() {
        zelora::testing::UiProgram program;
        program.fake.dir.write("config.txt", zelora::testing::kStationConfig);
        QProcess logger;
        logger.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--operate"), QString::fromStdString(program.fake.dir.path())});
        QVERIFY(logger.waitForStarted());
        int accepted = 0;
        while (accepted < 30 && logger.waitForReadyRead(60000)) {
            while (logger.canReadLine()) accepted = logger.readLine().trimmed().toInt();
        }
        QCOMPARE_GE(accepted, 30);
        logger.kill();  // SIGKILL: no destructor, no closing of windows
        QVERIFY(logger.waitForFinished());

        zelora::start_program(program.windows);
        QVERIFY(program.shown(WindowId::start));
        program.click(WindowId::start, "Command1");  // "Continua Contest"
        const zelora::MainLogScreen& main = program.windows.get<zelora::MainLogScreen>();
        const std::size_t restored = main.Text12.size();
        QVERIFY(restored >= static_cast<std::size_t>(accepted));
        QCOMPARE(main.Text14.size(), restored);
        for (std::size_t i = 0; i < restored; ++i) {
            const std::string call = callsign(static_cast<int>(i)).toStdString();
            QVERIFY(main.Text12.lines()[i].find(call) != std::string::npos);
        }
        QVERIFY(program.fake.messages.shown.empty());
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--operate") == 0) return operate(argc, argv, argv[2]);
    QApplication app(argc, argv);
    CrashSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "crash_safety_test.moc"
