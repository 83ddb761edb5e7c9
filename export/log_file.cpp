#include "export/log_file.h"
#include "core/notices.h"

#include <algorithm>

#include "base/files.h"
#include "core/program_files.h"

namespace zelora {
namespace {

// A name that stays a plain file in the program directory: nothing that climbs out of it,
// names another drive or directory, hides itself behind a leading "." (an empty callsign's
// ".adi") or holds control characters.
bool valid_file_name(std::string_view name) {
    if (name.empty() || name.front() == '.') return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace

std::string with_slashes_replaced(std::string name) {
    if (name.size() > 5) std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

bool save_log_file(const Platform& platform, const std::string& name, std::string_view bytes,
                   const std::string& saved) {
    if (!valid_file_name(name) ||
        is_program_file_name(platform.system_name(name), platform.executable_name)) {
        inform(platform, "Nome del file non valido: " + name);
        return false;
    }
    const std::string path = platform.path_of(name);
    if (!replace_file(path, bytes)) {
        report_write_error(platform, path);
        return false;
    }
    inform(platform, saved + platform.shown_path(path));
    return true;
}

}  // namespace zelora
