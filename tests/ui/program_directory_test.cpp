// The program directory named by Qt: its files open whatever its characters, and messages show
// its name as the operator reads it.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "base/window_set.h"
#include "support/fakes.h"
#include "ui/qt_platform.h"
#include "windows/main_log_screen.h"
#include "windows/start_screen.h"

class ProgramDirectoryTest : public QObject {
    Q_OBJECT
  private slots:
    void filesOpenAndMessagesShowTheName() {
        const std::pair<QString, std::string> rows[] = {
            {QStringLiteral("citt\u00E0"), "citt\xE0"},
            {QStringLiteral("\u6771\u4EAC"), "??"},  // beyond Windows-1252
            {QStringLiteral("plain"), "plain"},
        };
        for (const auto& [name, shown] : rows) {
            QTemporaryDir base;
            const QString directory = base.path() + QChar('/') + name;
            QVERIFY(QDir().mkdir(directory));
            const std::filesystem::path bytes = zelora::ui::file_system_path(directory);
            std::ofstream(bytes / "config.txt") << "Call = ZZ9QX\r\nLocator = JN81GD\r\n";
            std::filesystem::create_directories(bytes / "parziale.db" / "x");  // unreadable

            zelora::testing::FakeClock clock;
            zelora::testing::RecordingMessages messages;
            zelora::WindowSet windows(
                {clock, messages, bytes.string(), zelora::ui::shown_path(directory)});
            zelora::start_program(windows);
            windows.get<zelora::StartScreen>().Command1_Click();
            QCOMPARE(windows.get<zelora::MainLogScreen>().Label39.text(), std::string("ZZ9QX"));
            const std::string expected = "Impossibile leggere il file " +
                                         zelora::ui::shown_path(base.path()) + "/" + shown +
                                         "/parziale.db";
            QCOMPARE(messages.texts(), std::vector<std::string>{expected});
        }
    }
};

QTEST_GUILESS_MAIN(ProgramDirectoryTest)
#include "program_directory_test.moc"
