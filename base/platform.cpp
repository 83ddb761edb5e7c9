#include "base/platform.h"

#include <cstdio>

#include "base/files.h"

namespace zelora {
namespace {

std::string two_digits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", ((value % 100) + 100) % 100);
    return buffer;
}

}  // namespace

std::string Platform::system_name(const std::string& name) const {
    return encode_name ? encode_name(name) : name;
}

std::string Platform::path_of(const std::string& name) const {
    return path_in(program_directory, system_name(name));
}

std::string Platform::shown_path(const std::string& path) const {
    if (!path.starts_with(program_directory)) return path;
    const std::string rest = path.substr(program_directory.size());
    return (program_directory_text.empty() ? program_directory : program_directory_text) +
           (decode_name ? decode_name(rest) : rest);
}

std::string short_date_text(const DateTime& when) {
    return two_digits(when.day) + "/" + two_digits(when.month) + "/" + two_digits(when.year);
}

std::string time_text(const DateTime& when) {
    return two_digits(when.hour) + "." + two_digits(when.minute);
}

}  // namespace zelora
