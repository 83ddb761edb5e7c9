#pragma once
// storico.txt: the stations of earlier contests, each with the locator of its newest QSO, read
// once at start-up and kept with an index for the lookups made on every keystroke.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/platform.h"

namespace zelora {

inline constexpr const char* kHistoryFileName = "storico.txt";

// One QSO as a log gives it to the history.
struct HistoryEntry {
    std::string callsign;
    std::string locator;
    std::string date;       // YYYYMMDD
    std::string time = {};  // HHMM when the log has it: orders the QSOs of one day, never stored

    bool operator==(const HistoryEntry&) const = default;
};

// The entry as the history keeps it: callsign and locator without surrounding blanks and in
// upper case. Nothing when the callsign is not 3 to 16 letters, digits and "/" with at least one
// letter and one digit, the locator is not 6 letters and digits the calculator reads, or the
// date is not a day of the calendar from 1900 to 2099.
std::optional<HistoryEntry> history_entry(std::string_view callsign, std::string_view locator,
                                          std::string_view date, std::string_view time = {});

// The newest QSO of each callsign among QSOs given one by one: a QSO replaces the one held
// for its callsign unless that one is of a later date, or of the same date and a later time
// (so a later-given QSO wins a tie).
class HistoryBatch {
  public:
    void add(HistoryEntry entry);
    // One entry per callsign, in the order the callsigns first came.
    const std::vector<HistoryEntry>& entries() const { return entries_; }

  private:
    std::vector<HistoryEntry> entries_;
    std::unordered_map<std::string, std::size_t> slot_;
};

struct HistoryStation {
    std::string_view callsign;
    std::string_view locator;
    std::string_view date;  // YYYYMMDD

    bool operator==(const HistoryStation&) const = default;
};

// The history in memory: stations in byte order of their callsigns (as the file is saved), and
// an index of the stations holding each piece of 1 to 3 characters, with a bitmap beside the
// pieces most stations hold, so that a substring search reads few stations whatever the text.
class CallHistory {
  public:
    // Reads storico.txt from the program directory in place of what is held. A missing file is
    // an empty history; an unreadable one gets the read notice and leaves the history empty,
    // and it is not written over until it has been read. Lines that cannot be read as an
    // entry are left out (and so out of the next save); of two lines of one callsign the
    // newer stays.
    void load(const Platform& platform);
    // The lines the last load left out (blank lines not counted).
    std::size_t skipped_lines() const { return skipped_lines_; }
    // The file exists but could not be read (the notice was given).
    bool unreadable() const { return unread_; }

    // Merges the entries in memory: the newest entry of each callsign (as HistoryBatch keeps it)
    // replaces the held station only when it is of a later date, so what the history holds
    // stays unless a newer QSO replaces it.
    void merge(const std::vector<HistoryEntry>& entries);
    // Merges and writes storico.txt atomically; the history changes only when the file was
    // written. False after the write notice (or, when the file could not be read at start-up
    // and still cannot, after the read notice). Nothing is written for no entries.
    bool add(const Platform& platform, const std::vector<HistoryEntry>& entries);

    // The file's bytes: "CALLSIGN#LOCATOR#YYYYMMDD" and CR LF for each station, in order.
    std::string text() const;

    std::size_t size() const { return dates_.size() / 8; }
    HistoryStation station(std::size_t index) const;
    // The station of exactly this callsign ("ZZ9XA/P" is not "ZZ9XA").
    std::optional<HistoryStation> find(std::string_view callsign) const;
    // The first `limit` stations, in callsign order, whose callsign contains `text`.
    std::vector<HistoryStation> containing(std::string_view text, std::size_t limit) const;

  private:
    // Rebuilds storage and index from stations given in callsign order, one per callsign.
    void assign(const std::vector<HistoryStation>& stations);
    CallHistory merged(const std::vector<HistoryEntry>& entries) const;
    std::string_view callsign_at(std::size_t index) const;
    void add_piece_stations(std::size_t piece, std::vector<HistoryStation>& found,
                            std::size_t limit) const;
    void search_pieces(std::string_view text, std::vector<HistoryStation>& found,
                       std::size_t limit) const;

    std::string callsigns_;              // one after another, in order
    std::vector<std::uint32_t> starts_;  // of each callsign in `callsigns_`, and the end
    std::string locators_;               // 6 characters a station
    std::string dates_;                  // 8 characters a station
    // The stations holding each piece, in order: piece_starts_[p] to piece_starts_[p + 1].
    std::vector<std::uint32_t> piece_starts_;
    std::vector<std::uint32_t> piece_stations_;
    // Of a 3-character piece held by many stations, also one bit a station.
    std::unordered_map<std::size_t, std::vector<std::uint64_t>> piece_bits_;
    std::size_t skipped_lines_ = 0;
    bool unread_ = false;  // the file exists but could not be read
};

}  // namespace zelora
