#include "base/platform.h"

#include <cstdio>

namespace zelora {
namespace {

std::string two_digits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", ((value % 100) + 100) % 100);
    return buffer;
}

}  // namespace

std::string Platform::shown_path(const std::string& path) const {
    if (program_directory_text.empty() || !path.starts_with(program_directory)) return path;
    return program_directory_text + path.substr(program_directory.size());
}

std::string short_date_text(const DateTime& when) {
    return two_digits(when.day) + "/" + two_digits(when.month) + "/" + two_digits(when.year);
}

std::string time_text(const DateTime& when) {
    return two_digits(when.hour) + "." + two_digits(when.minute);
}

}  // namespace zelora
