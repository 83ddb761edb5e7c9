// A log name with letters beyond ASCII is written as the system spells file names (UTF-8 on
// Linux), so the name on disk is the name the operator typed and the message shows.

#include <QtTest>

#include "base/window_set.h"
#include "support/fakes.h"
#include "ui/qt_platform.h"
#include "windows/edi_save_screen.h"

class FileNamesTest : public QObject {
    Q_OBJECT
  private slots:
    void accentedNamesAreTheSameOnDiskAndInTheMessage() {
        zelora::testing::FakeClock clock;
        zelora::testing::RecordingMessages messages;
        zelora::testing::TempDir dir;
        zelora::WindowSet windows({clock, messages, dir.path(), "", nullptr, nullptr, nullptr,
                                   zelora::ui::encoded_file_name, zelora::ui::decoded_file_name});
        zelora::EdiSaveScreen& save = windows.get<zelora::EdiSaveScreen>();
        save.Text1.set("[REG1TEST;1]\r\n");
        save.Text2.set("gara-\xE8.edi");  // Windows-1252, as the box holds it
        save.Command1_Click();
        QCOMPARE(dir.read("gara-\xC3\xA8.edi"), std::string("[REG1TEST;1]\r\n"));
        QCOMPARE(messages.texts(),
                 std::vector<std::string>{"Il Log del Contest e' stato salvato in " + dir.path() +
                                          "/gara-\xE8.edi"});
    }
};

QTEST_GUILESS_MAIN(FileNamesTest)
#include "file_names_test.moc"
