#include "store/member_index.h"

#include "base/files.h"
#include "base/text.h"
#include "store/member_list.h"

namespace zelora {
namespace {

// Each member's box value by callsign; a later entry of the same callsign replaces an earlier.
std::unordered_map<std::string, std::string> read_list(const Platform& platform,
                                                       const char* file_name, const char* club) {
    std::unordered_map<std::string, std::string> members;
    const std::optional<std::string> text =
        read_file(path_in(platform.program_directory, file_name));
    if (!text) return members;
    for (const std::string& line : split_lines(*text)) {
        const std::optional<MemberEntry> entry = member_entry(line);
        if (entry) {
            members[std::string(entry->callsign)] = club + pad_serial(std::string(entry->number));
        }
    }
    return members;
}

}  // namespace

void MemberIndex::load(const Platform& platform) {
    iqrp_ = read_list(platform, kIqrpFileName, "I");
    mqc_ = read_list(platform, kMqcFileName, "M");
}

std::optional<std::string> MemberIndex::member_of(const std::string& callsign) const {
    const std::string base_call = callsign.substr(0, callsign.find('/'));
    for (const auto* list : {&iqrp_, &mqc_}) {
        const auto found = list->find(base_call);
        if (found != list->end()) return found->second;
    }
    return std::nullopt;
}

}  // namespace zelora
