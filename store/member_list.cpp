#include "store/member_list.h"

#include "base/files.h"
#include "base/text.h"
#include "core/entry_rules.h"
#include "core/notices.h"

namespace zelora {

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

std::string member_list_text(std::string_view file_bytes) {
    std::string text;
    for (const std::string& line : split_lines(without_byte_order_mark(file_bytes)))
        text += line + "\r\n";
    return text;
}

std::string with_member_added(std::string file_bytes, const std::string& callsign,
                              const std::string& number) {
    if (!file_bytes.empty() && file_bytes.back() != '\r' && file_bytes.back() != '\n')
        file_bytes += "\r\n";
    return file_bytes + callsign + "#" + number + "\r\n";
}

MemberLists MemberLists::read(const Platform& platform, bool report_unreadable) {
    MemberLists lists;
    lists.mqc_ = read_list(platform, kMqcFileName, "M", report_unreadable);
    lists.iqrp_ = read_list(platform, kIqrpFileName, "I", report_unreadable);
    return lists;
}

MemberLists::Members MemberLists::read_list(const Platform& platform, const char* file_name,
                                            const char* club, bool report_unreadable) {
    const std::string path = path_in(platform.program_directory, file_name);
    const FileLines file = report_unreadable ? read_lines(platform, path) : read_lines(path);
    Members members;
    for (const std::string& line : file.lines) {
        const std::optional<MemberEntry> entry = member_entry(line);
        // A later entry of the same callsign replaces an earlier one.
        if (entry && !entry->number.empty()) {
            // In the form the member box keeps (upper case, no separators), so that the hint
            // shows exactly what the box is filled with.
            members[std::string(entry->callsign)] =
                to_upper(without_separators(club + pad_serial(std::string(entry->number))));
        }
    }
    return members;
}

std::optional<std::string> MemberLists::member_of(const std::string& callsign) const {
    const std::string base_call = callsign.substr(0, callsign.find('/'));
    for (const Members* list : {&iqrp_, &mqc_}) {
        const auto found = list->find(base_call);
        if (found != list->end()) return found->second;
    }
    return std::nullopt;
}

}  // namespace zelora
