#include "core/log_search.h"

#include <algorithm>

namespace zelora {
namespace {

// A piece of 2 or 3 characters of a callsign as a number of its own.
std::uint32_t piece_key(std::string_view piece) {
    std::uint32_t key = static_cast<std::uint32_t>(piece.size());
    for (const char c : piece) key = key << 8 | static_cast<unsigned char>(c);
    return key;
}

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
    const bool rewritten = log.rewrites() != synced_rewrites_ || qsos.size() < superseded_.size();
    if (rewritten) {
        callsigns_.clear();
        starts_.assign(1, 0);
        superseded_.clear();
        pieces_.clear();
        last_qso_.clear();
        minutes_.clear();
        synced_rewrites_ = log.rewrites();
    }
    for (std::size_t i = superseded_.size(); i < qsos.size(); ++i) append(qsos[i]);
}

void LogSearch::append(const QsoRecord& qso) {
    const std::size_t index = superseded_.size();
    const auto [last, first_time] = last_qso_.try_emplace(qso.callsign, index);
    if (!first_time) {
        superseded_[last->second] = true;
        last->second = index;
    }
    superseded_.push_back(false);
    callsigns_ += qso.callsign;
    starts_.push_back(callsigns_.size());
    const std::string_view callsign = qso.callsign;
    for (std::size_t length = 2; length <= 3; ++length) {
        for (std::size_t at = 0; at + length <= callsign.size(); ++at) {
            std::vector<std::uint32_t>& list = pieces_[piece_key(callsign.substr(at, length))];
            if (list.empty() || list.back() != index)
                list.push_back(static_cast<std::uint32_t>(index));
        }
    }
    if (const auto minute = qso_minute(qso.date, qso.time)) {
        minutes_.insert(std::upper_bound(minutes_.begin(), minutes_.end(), *minute), *minute);
    }
}

std::string_view LogSearch::callsign_at(std::size_t qso) const {
    return std::string_view(callsigns_).substr(starts_[qso], starts_[qso + 1] - starts_[qso]);
}

const std::vector<std::uint32_t>* LogSearch::qsos_with(std::string_view piece) const {
    const auto found = pieces_.find(piece_key(piece));
    return found == pieces_.end() ? nullptr : &found->second;
}

std::optional<std::size_t> LogSearch::last_qso_of(const std::string& callsign) const {
    const auto found = last_qso_.find(callsign);
    if (found == last_qso_.end()) return std::nullopt;
    return found->second;
}

std::vector<std::size_t> LogSearch::containing(std::string_view text, std::size_t limit) const {
    std::vector<std::size_t> found;
    if (text.size() < kShortestPartialText || limit == 0) return found;
    // Every callsign holding the text holds each of its pieces: the rarest one's QSOs are the
    // only candidates.
    const std::size_t length = text.size() == 2 ? 2 : 3;
    const std::vector<std::uint32_t>* candidates = nullptr;
    for (std::size_t at = 0; at + length <= text.size(); ++at) {
        const std::vector<std::uint32_t>* qsos = qsos_with(text.substr(at, length));
        if (!qsos) return found;
        if (!candidates || qsos->size() < candidates->size()) candidates = qsos;
    }
    for (auto qso = candidates->rbegin(); qso != candidates->rend(); ++qso) {
        // A callsign is listed at its most recent QSO only.
        if (superseded_[*qso] || callsign_at(*qso).find(text) == std::string_view::npos) continue;
        found.push_back(*qso);
        if (found.size() == limit) break;
    }
    return found;
}

int LogSearch::logged_within(std::int64_t now, int minutes) const {
    if (minutes <= 0) return 0;
    const auto first = std::upper_bound(minutes_.begin(), minutes_.end(), now - minutes);
    const auto end = std::upper_bound(first, minutes_.end(), now);
    return static_cast<int>(end - first);
}

}  // namespace zelora
