#include "store/radio_settings.h"

#include <array>
#include <optional>
#include <string_view>

#include "base/files.h"
#include "base/text.h"
#include "core/notices.h"

namespace zelora {
namespace {

enum class Field { model, port, speed };

struct KeyLayout {
    std::string_view key;
    DeviceSettings StationDeviceSettings::*device;
    Field field;
};

constexpr std::array<KeyLayout, 6> kKeys{{
    {"Radio", &StationDeviceSettings::radio, Field::model},
    {"Porta radio", &StationDeviceSettings::radio, Field::port},
    {"Velocita radio", &StationDeviceSettings::radio, Field::speed},
    {"Rotore", &StationDeviceSettings::rotator, Field::model},
    {"Porta rotore", &StationDeviceSettings::rotator, Field::port},
    {"Velocita rotore", &StationDeviceSettings::rotator, Field::speed},
}};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Plain decimal digits, at most `digits` of them: models and speeds have no sign nor blank.
std::optional<int> whole_number(std::string_view text, std::size_t digits) {
    if (text.empty() || text.size() > digits) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool plain_port(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 32 || c == '\x7F') return false;
    return true;
}

}  // namespace

StationDeviceSettings parse_device_settings(const std::vector<std::string>& lines) {
    StationDeviceSettings settings;
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string_view key = trimmed(std::string_view(line).substr(0, equals));
        const std::string_view value = trimmed(std::string_view(line).substr(equals + 1));
        for (const KeyLayout& layout : kKeys) {
            if (key != layout.key) continue;
            DeviceSettings& device = settings.*layout.device;
            if (layout.field == Field::port) {
                if (plain_port(value)) device.port = value;
            } else if (layout.field == Field::model) {
                const std::optional<int> model = value == "Nessuno" ? 0 : whole_number(value, 6);
                if (model) device.model = *model;
            } else if (const std::optional<int> speed = whole_number(value, 7)) {
                device.speed = *speed;
            }
        }
    }
    return settings;
}

std::string device_settings_text(const StationDeviceSettings& settings) {
    std::string text;
    for (const KeyLayout& layout : kKeys) {
        const DeviceSettings& device = settings.*layout.device;
        const std::string value = layout.field == Field::model ? std::to_string(device.model)
                                  : layout.field == Field::speed
                                      ? std::to_string(device.speed)
                                      : without_control_characters(device.port);
        text.append(layout.key).append(" = ").append(value).append("\r\n");
    }
    return text;
}

StationDeviceSettings read_device_settings(const Platform& platform) {
    const FileLines file =
        read_lines(platform, path_in(platform.program_directory, kDeviceFileName));
    return parse_device_settings(file.lines);
}

bool write_device_settings(const Platform& platform, const StationDeviceSettings& settings) {
    const std::string path = path_in(platform.program_directory, kDeviceFileName);
    if (replace_file(path, device_settings_text(settings))) return true;
    report_write_error(platform, path);
    return false;
}

}  // namespace zelora
