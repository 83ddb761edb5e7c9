#include "store/history_import.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

#include "base/files.h"
#include "core/notices.h"
#include "core/qso_lines.h"

namespace zelora {
namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// `text` equals `upper_case` when read in upper case.
bool equals_in_any_case(std::string_view text, std::string_view upper_case) {
    return text.size() == upper_case.size() &&
           std::equal(text.begin(), text.end(), upper_case.begin(),
                      [](char a, char b) { return upper(a) == b; });
}

bool starts_in_any_case(std::string_view text, std::string_view upper_case) {
    return equals_in_any_case(text.substr(0, upper_case.size()), upper_case);
}

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One EDI QSO record; false when it gives no entry.
bool read_edi_record(std::string_view record, HistoryBatch& batch) {
    std::string_view fields[10];
    std::size_t count = 0;
    for (std::size_t start = 0; count < 10;) {
        const std::size_t end = record.find(';', start);
        fields[count++] = record.substr(start, end == std::string_view::npos ? end : end - start);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (count < 10 || fields[0].size() != 6) return false;
    std::optional<HistoryEntry> entry =
        history_entry(fields[2], fields[9], "20" + std::string(fields[0]), fields[1]);
    if (!entry) return false;
    batch.add(std::move(*entry));
    return true;
}

struct AdifRecord {
    bool any_field = false;
    bool damaged = false;  // one of the fields below has a length that does not fit
    std::string_view call, gridsquare, qso_date, time_on;

    // The field of this name that the history reads, or null.
    std::string_view* field(std::string_view name) {
        if (equals_in_any_case(name, "CALL")) return &call;
        if (equals_in_any_case(name, "GRIDSQUARE")) return &gridsquare;
        if (equals_in_any_case(name, "QSO_DATE")) return &qso_date;
        if (equals_in_any_case(name, "TIME_ON")) return &time_on;
        return nullptr;
    }
};

bool is_name_character(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

HistoryRead read_edi_history(std::string_view text, HistoryBatch& batch) {
    HistoryRead read;
    bool in_records = false;
    for (const std::string& line : split_lines(without_byte_order_mark(text))) {
        if (line.starts_with('[')) {
            in_records = starts_in_any_case(line, "[QSORECORDS");
            read.recognised = read.recognised || in_records;
        } else if (in_records && line.find_first_not_of(" \t") != std::string::npos &&
                   !read_edi_record(line, batch)) {
            ++read.skipped;
        }
    }
    return read;
}

HistoryRead read_adif_history(std::string_view text, HistoryBatch& batch) {
    HistoryRead read;
    AdifRecord record;
    const auto finish_record = [&] {
        if (!record.any_field) return;
        std::optional<HistoryEntry> entry;
        if (!record.damaged && record.gridsquare.size() == 6) {
            entry = history_entry(record.call, record.gridsquare, record.qso_date, record.time_on);
        }
        if (entry) {
            batch.add(std::move(*entry));
        } else {
            ++read.skipped;
        }
        record = {};
    };
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at)) {
        // "<NAME>" or "<NAME:LENGTH>" or "<NAME:LENGTH:TYPE>"; anything else is no tag.
        std::size_t end = at + 1;
        while (end < text.size() && is_name_character(text[end])) ++end;
        const std::string_view name = text.substr(at + 1, end - at - 1);
        if (name.empty() || end == text.size() || (text[end] != '>' && text[end] != ':')) {
            ++at;
            continue;
        }
        if (text[end] == '>') {
            if (equals_in_any_case(name, "EOR")) {
                finish_record();
                read.recognised = true;
            } else if (equals_in_any_case(name, "EOH")) {
                record = {};  // the header's fields are no QSO
                read.recognised = true;
            }
            at = end + 1;
            continue;
        }
        std::size_t length = 0;
        const std::size_t digits = ++end;
        for (; end < text.size() && text[end] >= '0' && text[end] <= '9'; ++end) {
            length =
                std::min(length * 10 + static_cast<std::size_t>(text[end] - '0'), text.size() + 1);
        }
        if (end < text.size() && end > digits && text[end] == ':') {
            while (++end < text.size() && is_name_character(text[end])) {
            }
        }
        if (end == digits || end >= text.size() || text[end] != '>') {
            ++at;
            continue;
        }
        const std::size_t value = end + 1;
        std::string_view* field = record.field(name);
        record.any_field = true;
        read.recognised = read.recognised || field == &record.call;
        const std::size_t tag_inside = text.substr(value, length).find('<');
        if (length > text.size() - value || tag_inside != std::string_view::npos) {
            // A length running into the next tag or past the end: go on from that tag.
            if (field) record.damaged = true;
            at = tag_inside == std::string_view::npos ? text.size() : value + tag_inside;
            continue;
        }
        at = value + length;
        if (field) {
            *field = text.substr(value, length);
            const std::size_t next = std::min(text.find('<', at), text.size());
            // A length short of the value leaves the rest of it before the next tag.
            if (!std::all_of(text.begin() + static_cast<long>(at),
                             text.begin() + static_cast<long>(next), is_blank)) {
                record.damaged = true;
            }
        }
    }
    finish_record();  // a last record without <EOR>
    return read;
}

HistoryImport read_history_files(const std::vector<std::string>& paths) {
    HistoryImport import;
    HistoryBatch batch;
    for (const std::string& path : paths) {
        const std::optional<std::string> bytes = read_file(path);
        const std::string extension = std::filesystem::path(path).extension().string();
        const bool adif =
            equals_in_any_case(extension, ".ADI") || equals_in_any_case(extension, ".ADIF");
        HistoryRead read;
        if (bytes) read = adif ? read_adif_history(*bytes, batch) : read_edi_history(*bytes, batch);
        if (!read.recognised) {
            import.unread_files.push_back(path);
            continue;
        }
        ++import.files_read;
        import.skipped += read.skipped;
    }
    import.entries = batch.entries();
    return import;
}

std::string import_message(const HistoryImport& import) {
    std::string message = "Importati " + std::to_string(import.entries.size()) + " nominativi da " +
                          std::to_string(import.files_read) + " file";
    if (!import.unread_files.empty()) {
        message += "\nFile non letti: ";
        for (std::size_t i = 0; i < import.unread_files.size(); ++i) {
            if (i > 0) message += ", ";
            message += std::filesystem::path(import.unread_files[i]).filename().string();
        }
    }
    if (import.skipped > 0) message += "\nRighe scartate: " + std::to_string(import.skipped);
    return message;
}

bool import_history(const Platform& platform, CallHistory& history,
                    const std::vector<std::string>& paths) {
    const HistoryImport import = read_history_files(paths);
    if (!history.add(platform, import.entries)) return false;
    if (import.unread_files.empty()) {
        inform(platform, import_message(import));
    } else {
        alert(platform, import_message(import));
    }
    return true;
}

std::vector<HistoryEntry> history_entries(const std::vector<QsoRecord>& qsos) {
    std::vector<HistoryEntry> entries;
    entries.reserve(qsos.size());
    for (const QsoRecord& qso : qsos) {
        std::optional<HistoryEntry> entry =
            history_entry(qso.callsign, qso.locator, "20" + edi_date(qso.date), edi_time(qso.time));
        if (entry) entries.push_back(std::move(*entry));
    }
    return entries;
}

}  // namespace zelora
