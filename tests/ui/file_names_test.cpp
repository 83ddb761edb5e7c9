// The program directory and a log's name as the system spells them (UTF-8 on Linux): files open
// and are written whatever their characters, and messages show the names as the operator reads
// them.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "base/window_set.h"
#include "support/fakes.h"
#include "ui/qt_platform.h"
#include "windows/edi_save_screen.h"
#include "windows/main_log_screen.h"
#include "windows/start_screen.h"

class FileNamesTest : public QObject {
    Q_OBJECT
  private slots:
    void filesOpenAndMessagesShowTheNames() {
        const std::pair<QString, std::string> rows[] = {
            {QStringLiteral("citt\u00E0"), "citt\xE0"},
            {QStringLiteral("\u6771\u4EAC"), "??"},  // beyond Windows-1252
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
                {clock, messages, bytes.string(), zelora::ui::shown_path(directory), nullptr,
                 nullptr, nullptr, zelora::ui::encoded_file_name, zelora::ui::decoded_file_name});
            zelora::start_program(windows);
            windows.get<zelora::StartScreen>().Command1_Click();
            QCOMPARE(windows.get<zelora::MainLogScreen>().Label39.text(), std::string("ZZ9QX"));
            zelora::EdiSaveScreen& save = windows.get<zelora::EdiSaveScreen>();
            save.Text1.set("[REG1TEST;1]\r\n");
            save.Text2.set("gara-\xE8.edi");  // Windows-1252, as the box holds it
            save.Command1_Click();
            QVERIFY(std::filesystem::exists(bytes / "gara-\xC3\xA8.edi"));
            const std::string shown_dir = zelora::ui::shown_path(base.path()) + "/" + shown;
            QCOMPARE(
                messages.texts(),
                (std::vector<std::string>{
                    "Impossibile leggere il file " + shown_dir + "/parziale.db",
                    "Il Log del Contest e' stato salvato in " + shown_dir + "/gara-\xE8.edi"}));
        }
    }
};

QTEST_GUILESS_MAIN(FileNamesTest)
#include "file_names_test.moc"
