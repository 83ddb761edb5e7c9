#include "windows/station_control.h"

#include <cmath>
#include <cstdio>

#include "base/station_devices.h"
#include "base/text.h"
#include "base/window_set.h"
#include "windows/device_screen.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

// The contest's band, in kHz as the frequency is shown.
constexpr std::int64_t kBandLowKhz = 144'000;
constexpr std::int64_t kBandHighKhz = 146'000;

std::int64_t rounded_khz(std::int64_t frequency_hz) {
    return (frequency_hz + 500) / 1000;
}

// Why a chosen device is not connected, after "Radio non collegata" or "Rotore non collegato".
std::string why(DeviceFault fault) {
    switch (fault) {
        case DeviceFault::unknown_model:
            return " (modello sconosciuto)";
        case DeviceFault::cannot_open:
            return " (porta non disponibile)";
        case DeviceFault::no_answer:
            return " (nessuna risposta)";
        case DeviceFault::bad_answer:
            return " (risposta non valida)";
        case DeviceFault::none:
        case DeviceFault::refused:
            break;
    }
    return "";
}

void append_word(std::string& text, const std::string& word) {
    if (!word.empty()) text += " " + word;
}

// " 123" or "0" as the calculator shows a heading; not "??????" nor "...".
bool is_heading(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    return text.substr(first).find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string contest_mode(const std::string& radio_mode) {
    if (radio_mode == "USB" || radio_mode == "LSB" || radio_mode == "FM") return "SSB";
    if (radio_mode == "CW" || radio_mode == "CWR") return "CW";
    return {};
}

std::string frequency_mhz_text(std::int64_t frequency_hz) {
    if (frequency_hz <= 0) return {};
    const std::int64_t khz = rounded_khz(frequency_hz);
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(khz / 1000),
                  static_cast<long long>(khz % 1000));
    return text;
}

void use_station_devices(const Platform& platform, const StationDeviceSettings& settings) {
    if (platform.radio) platform.radio->use(settings.radio);
    if (platform.rotator) platform.rotator->use(settings.rotator);
}

StationControl::StationControl(MainLogScreen& main, WindowSet& windows)
    : main_(main), windows_(windows) {}

Radio* StationControl::radio() const {
    return settings_.radio.model != 0 ? windows_.platform().radio : nullptr;
}

Rotator* StationControl::rotator() const {
    return settings_.rotator.model != 0 ? windows_.platform().rotator : nullptr;
}

void StationControl::Load() {
    Use(read_device_settings(windows_.platform()));
}

void StationControl::Use(const StationDeviceSettings& settings) {
    settings_ = settings;
    use_station_devices(windows_.platform(), settings);
    RadioStatus.set_visible(radio() != nullptr);
    for (Control* control : {&RotatorStatus, &Command1, &Command2})
        control->set_visible(rotator() != nullptr);
    Refresh();
}

void StationControl::Refresh() {
    ShowRadio();
    ShowRotator();
}

void StationControl::ShowRadio() {
    const RadioState state = radio() ? radio()->state() : RadioState{};
    const std::string frequency = state.connected ? frequency_mhz_text(state.frequency_hz) : "";
    const std::int64_t khz = rounded_khz(state.frequency_hz);
    // Set before the text, so that the view showing the new text shows its colour too.
    outside_band_ = !frequency.empty() && (khz < kBandLowKhz || khz > kBandHighKhz);
    Frequency.set(frequency);
    Frequency.set_visible(!frequency.empty());
    if (!radio()) return;

    std::string status = "Radio non collegata" + why(state.fault);
    if (state.connected) {
        status = "Radio:";
        append_word(status, state.model_name);
        append_word(status, frequency);
        append_word(status, state.mode);
    }
    RadioStatus.set(status);

    // A paper log copied off-line has the modes written on it.
    const std::string mode = contest_mode(state.mode);
    if (state.connected && main_.online() && !mode.empty() && mode != main_.Text5.text())
        main_.Text5_KeyDown(mode == "SSB" ? kKeyUp : kKeyDown);
}

void StationControl::ShowRotator() {
    const RotatorState state = rotator() ? rotator()->state() : RotatorState{};
    std::optional<double> heading;
    if (state.connected && state.azimuth) heading = compass_heading(*state.azimuth);
    if (heading != needle_heading_) {
        needle_heading_ = heading;
        Line3 = heading ? needle_pointing(kNeedleAtStart, *heading) : hidden_needle();
        if (on_rotator_needle_changed) on_rotator_needle_changed();
    }
    if (!rotator()) return;

    std::string status = "Rotore non collegato" + why(state.fault);
    if (state.connected) {
        status = "Rotore collegato";
        if (heading) status = "Rotore: " + std::to_string(std::lround(*heading) % 360) + "\xB0";
        if (state.fault == DeviceFault::refused) status += " (comando rifiutato)";
    }
    RotatorStatus.set(status);
}

void StationControl::Command1_Click() {
    if (!rotator() || main_.Text10.text().size() != 6) return;
    // The shown QTF may be another calculation's (statistics, a correction): the locator's own.
    main_.RecalculateDistance();
    if (is_heading(main_.Label15.text())) rotator()->turn_to(text_value(main_.Label15.text()));
}

void StationControl::Command2_Click() {
    if (rotator()) rotator()->stop();
}

void StationControl::Command3_Click() {
    windows_.get<DeviceScreen>().set_visible(true);
}

std::string StationControl::qso_frequency() const {
    if (!radio() || !main_.online()) return {};
    const RadioState state = radio()->state();
    return state.connected ? frequency_mhz_text(state.frequency_hz) : "";
}

}  // namespace zelora
