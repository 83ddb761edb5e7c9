#pragma once
// The platform for the real program: the computer's clock, Qt message boxes and file dialog.

#include <QString>
#include <string>
#include <vector>

#include "base/platform.h"

namespace zelora::ui {

class SystemClock : public Clock {
  public:
    DateTime local_now() const override;
    DateTime utc_now() const override;
};

class QtMessageBoxes : public MessageBoxes {
  public:
    void show(const std::string& title, const std::string& text, MessageIcon icon) override;
    bool ask(const std::string& title, const std::string& text) override;
};

// The file dialog of Qt over the active window.
class QtFileChooser : public FileChooser {
  public:
    std::vector<std::string> choose_files(const std::string& title, const std::string& directory,
                                          const std::string& filter) override;
};

// The directory that holds the executable, as the system names it (the bytes that open its
// files) and as Windows-1252 text for messages.
std::string executable_directory();
std::string executable_directory_text();

// A directory Qt names: its bytes for the file system, and its text for messages.
std::string file_system_path(const QString& directory);
std::string shown_path(const QString& directory);

// A file name's Windows-1252 text as the system spells it (UTF-8 on Linux), and back.
std::string encoded_file_name(const std::string& text);
std::string decoded_file_name(const std::string& bytes);

// The platform of the real program: the executable's directory and name, and file names in
// the system's spelling.
Platform program_platform(Clock& clock, MessageBoxes& messages);

}  // namespace zelora::ui
