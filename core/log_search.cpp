#include "core/log_search.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace zelora {
namespace {

constexpr std::int64_t kNoMinute = std::numeric_limits<std::int64_t>::min();
constexpr char kSeparator = '\n';  // never in a callsign: the boxes drop control characters
// Callsigns searched together, newest block first, so the search stops early on a long log.
constexpr std::size_t kBlock = 256;

// Days from 1 January 2000 of a date of the proleptic Gregorian calendar.
std::int64_t days_from_2000(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int year_of_era = y - era * 400;
    const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    constexpr std::int64_t kDaysTo2000 = 730425;  // from 1 March of year 0
    return std::int64_t{era} * 146097 + day_of_era - kDaysTo2000;
}

// The two digits at `at`, or -1.
int two_digits(const std::string& text, std::size_t at) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (at + 1 >= text.size() || !digit(text[at]) || !digit(text[at + 1])) return -1;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// The first occurrence of `text` in `block` from `from`, found by looking for its byte at
// `anchor` only: where that byte is rare, most of the block is skipped at memchr's speed.
std::size_t find_anchored(std::string_view block, std::string_view text, std::size_t anchor,
                          std::size_t from) {
    for (std::size_t at = from + anchor; at < block.size(); ++at) {
        const void* hit = std::memchr(block.data() + at, text[anchor], block.size() - at);
        if (!hit) break;
        at = static_cast<std::size_t>(static_cast<const char*>(hit) - block.data());
        if (block.substr(at - anchor, text.size()) == text) return at - anchor;
    }
    return std::string_view::npos;
}

}  // namespace

std::optional<std::int64_t> qso_minute(const std::string& date, const std::string& time) {
    if (date.size() != 8 || time.size() != 5) return std::nullopt;
    const int day = two_digits(date, 0);
    const int month = two_digits(date, 3);
    const int year = two_digits(date, 6);
    const int hour = two_digits(time, 0);
    const int minute = two_digits(time, 3);
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 0 || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59) {
        return std::nullopt;
    }
    return (days_from_2000(2000 + year, month, day) * 24 + hour) * 60 + minute;
}

std::int64_t minute_of(const DateTime& when) {
    return (days_from_2000(when.year, when.month, when.day) * 24 + when.hour) * 60 + when.minute;
}

void LogSearch::sync(const QsoIndex& log) {
    const std::vector<QsoRecord>& qsos = log.qsos();
    const bool rewritten = log.rewrites() != synced_rewrites_ || qsos.size() < starts_.size();
    if (rewritten) {
        callsigns_.clear();
        starts_.clear();
        last_qso_.clear();
        minutes_.clear();
        byte_counts_.fill(0);
        synced_rewrites_ = log.rewrites();
    }
    for (std::size_t i = starts_.size(); i < qsos.size(); ++i) append(qsos[i]);
}

void LogSearch::append(const QsoRecord& qso) {
    last_qso_[qso.callsign] = starts_.size();
    starts_.push_back(callsigns_.size());
    callsigns_ += qso.callsign;
    for (const char c : qso.callsign) ++byte_counts_[static_cast<unsigned char>(c)];
    callsigns_ += kSeparator;
    minutes_.push_back(qso_minute(qso.date, qso.time).value_or(kNoMinute));
}

std::size_t LogSearch::end_of(std::size_t qso) const {
    return qso + 1 < starts_.size() ? starts_[qso + 1] : callsigns_.size();
}

std::string_view LogSearch::callsign_at(std::size_t qso) const {
    return std::string_view(callsigns_).substr(starts_[qso], end_of(qso) - starts_[qso] - 1);
}

std::optional<std::size_t> LogSearch::last_qso_of(const std::string& callsign) const {
    const auto found = last_qso_.find(callsign);
    if (found == last_qso_.end()) return std::nullopt;
    return found->second;
}

std::vector<std::size_t> LogSearch::containing(std::string_view text, std::size_t limit) const {
    std::vector<std::size_t> found;
    if (text.size() < 2 || text.find(kSeparator) != std::string_view::npos) return found;
    std::size_t anchor = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (byte_counts_[static_cast<unsigned char>(text[i])] <
            byte_counts_[static_cast<unsigned char>(text[anchor])]) {
            anchor = i;
        }
    }
    std::vector<std::size_t> in_block;
    for (std::size_t end = starts_.size(); end > 0 && found.size() < limit;) {
        const std::size_t begin = end > kBlock ? end - kBlock : 0;
        const std::size_t offset = starts_[begin];
        const std::string_view block =
            std::string_view(callsigns_).substr(offset, end_of(end - 1) - offset);
        in_block.clear();
        for (std::size_t at = find_anchored(block, text, anchor, 0);
             at != std::string_view::npos;) {
            const auto first_after =
                std::upper_bound(starts_.begin() + static_cast<long>(begin),
                                 starts_.begin() + static_cast<long>(end), offset + at);
            const auto qso = static_cast<std::size_t>(first_after - starts_.begin()) - 1;
            in_block.push_back(qso);
            at = find_anchored(block, text, anchor, end_of(qso) - offset);  // the next callsign
        }
        for (auto qso = in_block.rbegin(); qso != in_block.rend() && found.size() < limit; ++qso) {
            const bool listed = std::any_of(found.begin(), found.end(), [&](std::size_t other) {
                return callsign_at(other) == callsign_at(*qso);
            });
            if (!listed) found.push_back(*qso);
        }
        end = begin;
    }
    return found;
}

int LogSearch::logged_within(std::int64_t now, int minutes) const {
    int count = 0;
    for (const std::int64_t minute : minutes_) {
        if (minute != kNoMinute && minute <= now && now - minute < minutes) ++count;
    }
    return count;
}

}  // namespace zelora
