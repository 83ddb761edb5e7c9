#include "store/call_history.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>
#include <tuple>
#include <utility>

#include "base/files.h"
#include "base/text.h"
#include "core/entry_rules.h"
#include "core/notices.h"

namespace zelora {
namespace {

constexpr std::size_t kLongestCallsign = 16;

// The characters of a callsign numbered 1 to 37; 0 for any other, which no callsign holds.
constexpr std::size_t kSymbols = 38;
constexpr std::size_t kPairsFrom = kSymbols;
constexpr std::size_t kTriplesFrom = kPairsFrom + kSymbols * kSymbols;
constexpr std::size_t kPieces = kTriplesFrom + kSymbols * kSymbols * kSymbols;
// A 3-character piece held by more stations than this (and by more than one in 64) gets a
// bitmap: a search then never reads more than this many stations one by one.
constexpr std::size_t kLongestWalk = 2048;

std::size_t symbol(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<std::size_t>(c - 'A') + 1;
    if (c >= '0' && c <= '9') return static_cast<std::size_t>(c - '0') + 27;
    return c == '/' ? 37 : 0;
}

// The number of a piece of 1 to 3 characters; nothing when a character is none of a callsign.
std::optional<std::size_t> piece_of(std::string_view piece) {
    std::size_t value = 0;
    for (const char c : piece) {
        const std::size_t s = symbol(c);
        if (s == 0) return std::nullopt;
        value = value * kSymbols + s;
    }
    constexpr std::size_t kFrom[] = {0, 0, kPairsFrom, kTriplesFrom};
    return kFrom[piece.size()] + value;
}

// Each piece of 1 to 3 characters of a callsign, once.
template <typename Use>
void for_each_piece(std::string_view callsign, Use&& use) {
    std::array<std::size_t, 3 * kLongestCallsign> pieces;
    std::size_t count = 0;
    for (std::size_t length = 1; length <= 3; ++length) {
        for (std::size_t at = 0; at + length <= callsign.size(); ++at) {
            if (const auto piece = piece_of(callsign.substr(at, length))) pieces[count++] = *piece;
        }
    }
    std::sort(pieces.begin(), pieces.begin() + static_cast<long>(count));
    const auto end = std::unique(pieces.begin(), pieces.begin() + static_cast<long>(count));
    std::for_each(pieces.begin(), end, use);
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_letter(char c) {
    return c >= 'A' && c <= 'Z';
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

bool is_history_callsign(std::string_view callsign) {
    if (callsign.size() < 3 || callsign.size() > kLongestCallsign) return false;
    const bool characters =
        std::all_of(callsign.begin(), callsign.end(), [](char c) { return symbol(c) != 0; });
    return characters && std::any_of(callsign.begin(), callsign.end(), is_digit) &&
           std::any_of(callsign.begin(), callsign.end(), is_letter);
}

bool is_history_locator(const std::string& locator) {
    // Letters and digits only also keep the file's "#" out of a field.
    return is_readable_locator(locator) && std::all_of(locator.begin(), locator.end(), [](char c) {
               return is_letter(c) || is_digit(c);
           });
}

int number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

bool is_history_date(std::string_view date) {
    if (date.size() != 8 || !std::all_of(date.begin(), date.end(), is_digit)) return false;
    const int year = number(date.substr(0, 4));
    const int month = number(date.substr(4, 2));
    const int day = number(date.substr(6, 2));
    if (year < 1900 || year > 2099 || month < 1 || month > 12 || day < 1) return false;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// The file line "CALLSIGN#LOCATOR#YYYYMMDD" as an entry.
std::optional<HistoryEntry> line_entry(std::string_view line) {
    const std::size_t first = line.find('#');
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t second = line.find('#', first + 1);
    if (second == std::string_view::npos || line.find('#', second + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    return history_entry(line.substr(0, first), line.substr(first + 1, second - first - 1),
                         trimmed(line.substr(second + 1)));
}

// The batch's stations in callsign order.
std::vector<HistoryStation> stations_in_order(const HistoryBatch& batch) {
    std::vector<HistoryStation> stations;
    stations.reserve(batch.entries().size());
    for (const HistoryEntry& e : batch.entries())
        stations.push_back({e.callsign, e.locator, e.date});
    std::sort(
        stations.begin(), stations.end(),
        [](const HistoryStation& a, const HistoryStation& b) { return a.callsign < b.callsign; });
    return stations;
}

}  // namespace

std::optional<HistoryEntry> history_entry(std::string_view callsign, std::string_view locator,
                                          std::string_view date, std::string_view time) {
    HistoryEntry entry{to_upper(std::string(trimmed(callsign))),
                       to_upper(std::string(trimmed(locator))), std::string(date)};
    if (!is_history_callsign(entry.callsign) || !is_history_locator(entry.locator) ||
        !is_history_date(entry.date)) {
        return std::nullopt;
    }
    if (time.size() >= 4 && std::all_of(time.begin(), time.begin() + 4, is_digit)) {
        entry.time = time.substr(0, 4);
    }
    return entry;
}

void HistoryBatch::add(HistoryEntry entry) {
    const auto [slot, first] = slot_.try_emplace(entry.callsign, entries_.size());
    if (first) {
        entries_.push_back(std::move(entry));
        return;
    }
    HistoryEntry& held = entries_[slot->second];
    if (std::tie(held.date, held.time) <= std::tie(entry.date, entry.time)) held = std::move(entry);
}

void CallHistory::load(const Platform& platform) {
    const FileLines file =
        read_lines(platform, path_in(platform.program_directory, kHistoryFileName));
    unread_ = file.exists && !file.readable;
    skipped_lines_ = 0;
    std::vector<HistoryEntry> entries;
    entries.reserve(file.lines.size());
    for (const std::string& line : file.lines) {
        if (trimmed(line).empty()) continue;
        if (std::optional<HistoryEntry> entry = line_entry(line)) {
            entries.push_back(std::move(*entry));
        } else {
            ++skipped_lines_;
        }
    }
    // The file as saved is in order, one line a callsign: then no line competes with another.
    const bool in_order = std::adjacent_find(entries.begin(), entries.end(),
                                             [](const HistoryEntry& a, const HistoryEntry& b) {
                                                 return a.callsign >= b.callsign;
                                             }) == entries.end();
    if (in_order) {
        std::vector<HistoryStation> stations;
        stations.reserve(entries.size());
        for (const HistoryEntry& e : entries) stations.push_back({e.callsign, e.locator, e.date});
        assign(stations);
        return;
    }
    HistoryBatch batch;
    for (HistoryEntry& entry : entries) batch.add(std::move(entry));
    assign(stations_in_order(batch));
}

CallHistory CallHistory::merged(const std::vector<HistoryEntry>& entries) const {
    HistoryBatch batch;
    for (const HistoryEntry& e : entries) {
        if (auto entry = history_entry(e.callsign, e.locator, e.date, e.time)) batch.add(*entry);
    }
    const std::vector<HistoryStation> added = stations_in_order(batch);
    std::vector<HistoryStation> stations;
    stations.reserve(size() + added.size());
    std::size_t held = 0;
    for (const HistoryStation& station : added) {
        while (held < size() && callsign_at(held) < station.callsign)
            stations.push_back(this->station(held++));
        if (held < size() && callsign_at(held) == station.callsign) {
            const HistoryStation old = this->station(held++);
            stations.push_back(station.date > old.date ? station : old);
        } else {
            stations.push_back(station);
        }
    }
    while (held < size()) stations.push_back(station(held++));
    CallHistory result;
    result.assign(stations);
    result.skipped_lines_ = skipped_lines_;
    result.unread_ = unread_;
    return result;
}

void CallHistory::merge(const std::vector<HistoryEntry>& entries) {
    *this = merged(entries);
}

bool CallHistory::add(const Platform& platform, const std::vector<HistoryEntry>& entries) {
    if (entries.empty()) return true;
    if (unread_) {
        load(platform);
        if (unread_) return false;
    }
    CallHistory updated = merged(entries);
    const std::string path = path_in(platform.program_directory, kHistoryFileName);
    if (!replace_file(path, updated.text())) {
        report_write_error(platform, path);
        return false;
    }
    *this = std::move(updated);
    return true;
}

std::string CallHistory::text() const {
    std::string text;
    text.reserve(callsigns_.size() + size() * 18);
    for (std::size_t i = 0; i < size(); ++i) {
        const HistoryStation s = station(i);
        text.append(s.callsign).append("#").append(s.locator).append("#").append(s.date);
        text += "\r\n";
    }
    return text;
}

std::string_view CallHistory::callsign_at(std::size_t index) const {
    return std::string_view(callsigns_).substr(starts_[index], starts_[index + 1] - starts_[index]);
}

HistoryStation CallHistory::station(std::size_t index) const {
    return {callsign_at(index), std::string_view(locators_).substr(index * 6, 6),
            std::string_view(dates_).substr(index * 8, 8)};
}

std::optional<HistoryStation> CallHistory::find(std::string_view callsign) const {
    std::size_t low = 0;
    std::size_t high = size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (callsign_at(middle) < callsign) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low == size() || callsign_at(low) != callsign) return std::nullopt;
    return station(low);
}

void CallHistory::assign(const std::vector<HistoryStation>& stations) {
    std::string callsigns, locators, dates;
    std::vector<std::uint32_t> starts{0};
    starts.reserve(stations.size() + 1);
    locators.reserve(stations.size() * 6);
    dates.reserve(stations.size() * 8);
    for (const HistoryStation& s : stations) {
        callsigns += s.callsign;
        starts.push_back(static_cast<std::uint32_t>(callsigns.size()));
        locators += s.locator;
        dates += s.date;
    }
    callsigns_ = std::move(callsigns);
    starts_ = std::move(starts);
    locators_ = std::move(locators);
    dates_ = std::move(dates);

    // Counted first, then filled: each piece's stations come out in order.
    piece_starts_.assign(kPieces + 1, 0);
    for (std::size_t i = 0; i < size(); ++i) {
        for_each_piece(callsign_at(i), [this](std::size_t piece) { ++piece_starts_[piece + 1]; });
    }
    std::partial_sum(piece_starts_.begin(), piece_starts_.end(), piece_starts_.begin());
    piece_stations_.assign(piece_starts_.back(), 0);
    std::vector<std::uint32_t> next(piece_starts_.begin(), piece_starts_.end() - 1);
    for (std::size_t i = 0; i < size(); ++i) {
        for_each_piece(callsign_at(i), [&](std::size_t piece) {
            piece_stations_[next[piece]++] = static_cast<std::uint32_t>(i);
        });
    }

    piece_bits_.clear();
    const std::size_t words = (size() + 63) / 64;
    for (std::size_t p = kTriplesFrom; p < kPieces && size() > kLongestWalk; ++p) {
        const std::size_t count = piece_starts_[p + 1] - piece_starts_[p];
        if (count <= kLongestWalk || count < words) continue;
        std::vector<std::uint64_t>& bits = piece_bits_[p];
        bits.assign(words, 0);
        for (std::size_t k = piece_starts_[p]; k < piece_starts_[p + 1]; ++k) {
            bits[piece_stations_[k] / 64] |= std::uint64_t{1} << (piece_stations_[k] % 64);
        }
    }
}

void CallHistory::add_piece_stations(std::size_t piece, std::vector<HistoryStation>& found,
                                     std::size_t limit) const {
    for (std::size_t k = piece_starts_[piece]; k < piece_starts_[piece + 1] && found.size() < limit;
         ++k) {
        found.push_back(station(piece_stations_[k]));
    }
}

void CallHistory::search_pieces(std::string_view text, std::vector<HistoryStation>& found,
                                std::size_t limit) const {
    // A station holding the text holds each of its 3-character pieces: only the stations of
    // the rarest piece are read, those missing a piece with a bitmap skipped at a bit's cost.
    std::vector<std::size_t> pieces;
    for (std::size_t at = 0; at + 3 <= text.size(); ++at) {
        const auto piece = piece_of(text.substr(at, 3));
        if (!piece) return;
        pieces.push_back(*piece);
    }
    const auto count = [this](std::size_t p) { return piece_starts_[p + 1] - piece_starts_[p]; };
    std::sort(pieces.begin(), pieces.end(),
              [&](std::size_t a, std::size_t b) { return count(a) < count(b); });
    std::vector<const std::vector<std::uint64_t>*> bitmaps;
    for (const std::size_t p : pieces) {
        const auto bits = piece_bits_.find(p);
        if (bits != piece_bits_.end()) bitmaps.push_back(&bits->second);
    }
    const auto holds = [&](std::size_t i) {
        return callsign_at(i).find(text) != std::string_view::npos;
    };

    if (bitmaps.size() < pieces.size()) {  // the rarest piece has no bitmap: read its stations
        for (std::size_t k = piece_starts_[pieces[0]];
             k < piece_starts_[pieces[0] + 1] && found.size() < limit; ++k) {
            const std::size_t i = piece_stations_[k];
            const bool in_all = std::all_of(bitmaps.begin(), bitmaps.end(), [i](const auto* bits) {
                return ((*bits)[i / 64] >> (i % 64) & 1) != 0;
            });
            if (in_all && holds(i)) found.push_back(station(i));
        }
        return;
    }
    for (std::size_t word = 0; word < bitmaps[0]->size() && found.size() < limit; ++word) {
        std::uint64_t all = ~std::uint64_t{0};
        for (const auto* bits : bitmaps) all &= (*bits)[word];
        for (; all != 0 && found.size() < limit; all &= all - 1) {
            const std::size_t i = word * 64 + static_cast<std::size_t>(std::countr_zero(all));
            if (holds(i)) found.push_back(station(i));
        }
    }
}

std::vector<HistoryStation> CallHistory::containing(std::string_view text,
                                                    std::size_t limit) const {
    std::vector<HistoryStation> found;
    if (text.empty() || limit == 0 || size() == 0) return found;
    if (text.size() > 3) {
        search_pieces(text, found, limit);
    } else if (const auto piece = piece_of(text)) {
        add_piece_stations(*piece, found, limit);  // the index holds exactly these
    }
    return found;
}

}  // namespace zelora
