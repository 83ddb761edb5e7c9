#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/platform.h"
#include "core/qso_index.h"

namespace zelora {

// The shortest text the partial check lists callsigns for: one character would match most of
// any log.
inline constexpr std::size_t kShortestPartialText = 2;

// The minute a QSO was logged, counted from 1 January 2000: its "DD/MM/YY" date and "HH.MM"
// time. Nothing when either does not read as a real date and time.
std::optional<std::int64_t> qso_minute(const std::string& date, const std::string& time);
std::int64_t minute_of(const DateTime& when);

// The log laid out for what is looked up while a callsign is being typed: every callsign in
// one contiguous buffer, the QSOs of each 2- and 3-character piece of a callsign (so that a
// substring search reads only the QSOs of the typed text's rarest piece), the most recent QSO
// of each callsign, and the QSOs' minutes kept in order. It follows the index by appending, at
// a cost that does not grow with the log, and starts over when the index was rewritten.
class LogSearch {
  public:
    void sync(const QsoIndex& log);

    // The most recent QSO (0-based) with exactly this callsign.
    std::optional<std::size_t> last_qso_of(const std::string& callsign) const;

    // The most recent QSOs of at most `limit` different callsigns that contain `text`, most
    // recent first; nothing for a text shorter than kShortestPartialText.
    std::vector<std::size_t> containing(std::string_view text, std::size_t limit) const;

    // The QSOs logged in the `minutes` minutes up to `now` (the current minute included).
    // A QSO stamped after `now` (a clock set back, a paper log in local time) is not counted.
    int logged_within(std::int64_t now, int minutes) const;

  private:
    void append(const QsoRecord& qso);
    std::string_view callsign_at(std::size_t qso) const;
    // The QSOs whose callsign holds `piece` (2 or 3 characters), oldest first; null for none.
    const std::vector<std::uint32_t>* qsos_with(std::string_view piece) const;

    std::string callsigns_;               // the callsigns one after another, in logging order
    std::vector<std::size_t> starts_{0};  // offset of each QSO's callsign, and the end
    std::vector<bool> superseded_;        // a later QSO has the same callsign
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> pieces_;
    std::unordered_map<std::string, std::size_t> last_qso_;
    std::vector<std::int64_t> minutes_;  // the minutes that read, in time order
    std::size_t synced_rewrites_ = 0;
};

}  // namespace zelora
