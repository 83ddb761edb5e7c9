#include "windows/device_screen.h"

#include <optional>

#include "base/text.h"
#include "base/window_set.h"
#include "core/notices.h"
#include "store/radio_settings.h"
#include "windows/main_log_screen.h"
#include "windows/station_control.h"

namespace zelora {
namespace {

constexpr const char* kNone = "Nessuno";
// radio.txt reads at most seven digits of a speed.
constexpr std::size_t kSpeedDigits = 7;

std::string choice_text(const DeviceModel& model) {
    return without_control_characters(model.maker + " " + model.name + " (" +
                                      std::to_string(model.number) + ")");
}

std::vector<std::string> choices_of(const std::vector<DeviceModel>& models) {
    std::vector<std::string> choices{kNone};
    for (const DeviceModel& model : models) choices.push_back(choice_text(model));
    return choices;
}

// The choice shown for a model of radio.txt; one the library does not know is shown by number.
std::string shown_model(int number, const std::vector<DeviceModel>& models) {
    if (number == 0) return kNone;
    for (const DeviceModel& model : models)
        if (model.number == number) return choice_text(model);
    return "Modello " + std::to_string(number) + " sconosciuto";
}

// The model of a choice; none when the text is not one of the list.
std::optional<int> chosen_model(const std::string& text, const std::vector<DeviceModel>& models) {
    if (text == kNone) return 0;
    for (const DeviceModel& model : models)
        if (choice_text(model) == text) return model.number;
    return std::nullopt;
}

std::string speed_text(int speed) {
    return speed == 0 ? "" : std::to_string(speed);
}

std::string digits_only(std::string text) {
    std::string digits;
    for (const char c : text)
        if (c >= '0' && c <= '9' && digits.size() < kSpeedDigits) digits += c;
    return digits;
}

}  // namespace

DeviceScreen::DeviceScreen(WindowSet& windows) : Window(windows) {
    const Platform& platform = windows.platform();
    if (platform.radio) radio_models_ = platform.radio->models();
    if (platform.rotator) rotator_models_ = platform.rotator->models();
    radio_choices_ = choices_of(radio_models_);
    rotator_choices_ = choices_of(rotator_models_);
    for (Control* port : {&Text1, &Text3}) port->input_filter = without_control_characters;
    for (Control* speed : {&Text2, &Text4}) speed->input_filter = digits_only;
}

void DeviceScreen::Form_Load() {
    const StationDeviceSettings settings = read_device_settings(windows().platform());
    Combo1.set(shown_model(settings.radio.model, radio_models_));
    Text1.set(settings.radio.port);
    Text2.set(speed_text(settings.radio.speed));
    Combo2.set(shown_model(settings.rotator.model, rotator_models_));
    Text3.set(settings.rotator.port);
    Text4.set(speed_text(settings.rotator.speed));
    focus(Combo1);
}

void DeviceScreen::Command1_Click() {
    WindowSet& set = windows();
    const Platform& platform = set.platform();
    const std::optional<int> radio = chosen_model(Combo1.text(), radio_models_);
    if (!radio) {
        inform(platform, "Scegliere la radio dall'elenco");
        focus(Combo1);
        return;
    }
    const std::optional<int> rotator = chosen_model(Combo2.text(), rotator_models_);
    if (!rotator) {
        inform(platform, "Scegliere il rotore dall'elenco");
        focus(Combo2);
        return;
    }
    const StationDeviceSettings settings{
        {*radio, Text1.text(), static_cast<int>(whole_value(Text2.text()))},
        {*rotator, Text3.text(), static_cast<int>(whole_value(Text4.text()))}};
    // Not written: told, and the window stays with what was chosen.
    if (!write_device_settings(platform, settings)) return;
    if (set.is_open(WindowId::main_log)) {
        set.get<MainLogScreen>().station.Use(settings);
    } else {
        use_station_devices(platform, settings);
    }
    set.leave(kId);
}

void DeviceScreen::Command2_Click() {
    windows().leave(kId);
}

}  // namespace zelora
