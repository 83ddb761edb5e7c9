#include "store/member_list.h"
#include "core/notices.h"

#include "base/files.h"
#include "base/text.h"

namespace zelora {
namespace {

// The member box value of the last entry of the file that lists `base_call`, if any.
std::optional<std::string> last_match(const Platform& platform, const char* file_name,
                                      std::string_view base_call, const std::string& club) {
    std::optional<std::string> found;
    const FileLines file = read_lines(platform, path_in(platform.program_directory, file_name));
    for (const std::string& line : file.lines) {
        const std::optional<MemberEntry> entry = member_entry(line);
        if (entry && entry->callsign == base_call && !entry->number.empty()) {
            found = club + pad_serial(std::string(entry->number));
        }
    }
    return found;
}

}  // namespace

std::optional<MemberEntry> member_entry(std::string_view line) {
    const std::size_t hash = line.find('#');
    if (hash == std::string_view::npos || hash == 0) return std::nullopt;
    return MemberEntry{line.substr(0, hash), line.substr(hash + 1)};
}

std::optional<std::string> listed_member_number(std::string_view list_text,
                                                std::string_view callsign) {
    for (const std::string& line : split_lines(list_text)) {
        const std::optional<MemberEntry> entry = member_entry(line);
        if (entry && entry->callsign == callsign) return std::string(entry->number);
    }
    return std::nullopt;
}

std::string looked_up_member(const Platform& platform, const std::string& callsign,
                             const std::string& current) {
    const std::string_view base_call = std::string_view(callsign).substr(0, callsign.find('/'));
    const std::optional<std::string> mqc = last_match(platform, kMqcFileName, base_call, "M");
    const std::optional<std::string> iqrp = last_match(platform, kIqrpFileName, base_call, "I");
    if (iqrp) return *iqrp;
    if (mqc) return *mqc;
    return current;
}

}  // namespace zelora
