#pragma once
// The platform as the contest logic sees it. The app passes Qt and the real clock;
// tests pass fakes.

#include <functional>
#include <string>
#include <vector>

namespace zelora {

class Radio;
class Rotator;

struct DateTime {
    int year = 2000;  // four digits
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual DateTime local_now() const = 0;
    virtual DateTime utc_now() const = 0;
};

enum class MessageIcon { information, critical };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A modal box with one "OK" button.
    virtual void show(const std::string& title, const std::string& text, MessageIcon icon) = 0;
    // A modal question with "Si" and "No": true only when "Si" is chosen. "No" is the default,
    // and closing the box is "No".
    virtual bool ask(const std::string& title, const std::string& text) = 0;
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The files the operator chooses to open, as the system names them (the bytes that open
    // them); none when the choice was cancelled. `filter`: "Description (*.ext *.ext)" entries
    // separated by ";;", the first one chosen at first.
    virtual std::vector<std::string> choose_files(const std::string& title,
                                                  const std::string& directory,
                                                  const std::string& filter) = 0;
};

// Everything a window needs from outside the program.
struct Platform {
    Clock& clock;
    MessageBoxes& messages;
    // The directory that holds the executable, as the system names it: the bytes that open its
    // files, whatever their encoding.
    std::string program_directory;
    // The same directory as Windows-1252 text for messages; characters the code page cannot
    // hold show as "?". Empty: the bytes above are shown as they are.
    std::string program_directory_text = {};
    // The station's radio and rotator (base/station_devices.h); none: the program runs without
    // them, as it does when radio.txt chooses none.
    Radio* radio = nullptr;
    Rotator* rotator = nullptr;
    // The file dialog; none where no file can be chosen.
    FileChooser* files = nullptr;
    // A file name as the system spells it, from its Windows-1252 text, and back. Empty: the
    // bytes are the same.
    std::function<std::string(const std::string&)> encode_name = {};
    std::function<std::string(const std::string&)> decode_name = {};
    // The executable's own file name, as the system spells it.
    std::string executable_name = {};

    // A file name (Windows-1252 text) as the system spells it.
    std::string system_name(const std::string& name) const;
    // The file `name` (Windows-1252 text) of the program directory, as the system names it.
    std::string path_of(const std::string& name) const;
    // A path under the program directory as a message shows it.
    std::string shown_path(const std::string& path) const;
};

// "DD/MM/YY" and "HH.MM", as the date and time boxes hold them.
std::string short_date_text(const DateTime& when);
std::string time_text(const DateTime& when);

}  // namespace zelora
