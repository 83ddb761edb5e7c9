#pragma once
// Fakes of the platform, and a program directory of its own for each test.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/control.h"
#include "base/platform.h"
#include "base/station_devices.h"

namespace zelora::testing {

class FakeClock : public Clock {
  public:
    DateTime local{2020, 7, 19, 9, 20, 0};
    DateTime utc{2020, 7, 19, 7, 20, 0};

    DateTime local_now() const override { return local; }
    DateTime utc_now() const override { return utc; }
};

struct ShownMessage {
    std::string title;
    std::string text;
    MessageIcon icon;

    bool operator==(const ShownMessage&) const = default;
};

// A box as the program must show it: always titled "Zelora VHF qrp Test".
inline ShownMessage information(const std::string& text) {
    return {"Zelora VHF qrp Test", text, MessageIcon::information};
}
inline ShownMessage critical(const std::string& text) {
    return {"Zelora VHF qrp Test", text, MessageIcon::critical};
}

class RecordingMessages : public MessageBoxes {
  public:
    std::vector<ShownMessage> shown;
    std::vector<std::string> asked;  // the questions' texts, in order
    bool answer = false;             // what every question is answered

    void show(const std::string& title, const std::string& text, MessageIcon icon) override {
        shown.push_back({title, text, icon});
    }
    bool ask(const std::string&, const std::string& text) override {
        asked.push_back(text);
        return answer;
    }
    // The texts shown, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& message : shown) result.push_back(message.text);
        return result;
    }
};

// The file dialog: the operator chooses `chosen` (nothing: cancelled).
class FakeFileChooser : public FileChooser {
  public:
    std::vector<std::string> chosen;

    std::vector<std::string> choose_files(const std::string&, const std::string&,
                                          const std::string&) override {
        return chosen;
    }
};

// A fresh, empty directory, removed with everything in it at the end of the test.
class TempDir {
  public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("zelora-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
    // Makes `name` a directory holding a file, so that it can be neither read as a file nor
    // replaced by one (this works for root too).
    void block(const std::string& name) const {
        std::filesystem::create_directories(path_ / name);
        std::ofstream(path_ / name / "keep") << "x";
    }

  private:
    std::filesystem::path path_;
};

// A radio and a rotator whose state the test sets; what the program asks of them is kept.
class FakeRadio : public Radio {
  public:
    RadioState now;
    std::vector<DeviceSettings> used;

    const std::vector<DeviceModel>& models() const override { return models_; }
    void use(const DeviceSettings& settings) override { used.push_back(settings); }
    RadioState state() const override { return now; }

  private:
    std::vector<DeviceModel> models_{{2, "Hamlib", "NET rigctl"}, {3085, "Icom", "IC-705"}};
};

class FakeRotator : public Rotator {
  public:
    RotatorState now;
    std::vector<DeviceSettings> used;
    std::vector<double> turns;  // the headings asked for
    int stops = 0;

    const std::vector<DeviceModel>& models() const override { return models_; }
    void use(const DeviceSettings& settings) override { used.push_back(settings); }
    RotatorState state() const override { return now; }
    void turn_to(double heading) override { turns.push_back(heading); }
    void stop() override { ++stops; }

  private:
    std::vector<DeviceModel> models_{{2, "Hamlib", "NET rotctl"}, {601, "Yaesu", "GS-232A"}};
};

// A platform over the fakes and a temporary program directory.
struct FakePlatform {
    FakeClock clock;
    RecordingMessages messages;
    TempDir dir;
    FakeRadio radio;
    FakeRotator rotator;
    FakeFileChooser files;

    Platform platform() {
        return Platform{clock, messages, dir.path(), {}, &radio, &rotator, &files};
    }
};

// The texts of the boxes, in order.
inline std::vector<std::string> texts(std::initializer_list<const Control*> boxes) {
    std::vector<std::string> result;
    for (const Control* box : boxes) result.push_back(box->text());
    return result;
}

}  // namespace zelora::testing
