#include "core/qso_index.h"

#include <utility>

#include "base/text.h"

namespace zelora {

void QsoIndex::add(QsoRecord qso) {
    ++callsign_count_[qso.callsign];
    distances_.push_back(text_value(qso.qrb));
    qsos_.push_back(std::move(qso));
}

void QsoIndex::replace(std::size_t index, QsoRecord qso) {
    if (index >= qsos_.size()) return;
    const std::string& old_callsign = qsos_[index].callsign;
    if (--callsign_count_[old_callsign] == 0) callsign_count_.erase(old_callsign);
    ++callsign_count_[qso.callsign];
    distances_[index] = text_value(qso.qrb);
    qsos_[index] = std::move(qso);
    ++rewrites_;
}

void QsoIndex::clear() {
    qsos_.clear();
    distances_.clear();
    callsign_count_.clear();
    ++rewrites_;
}

void QsoIndex::reserve(std::size_t qsos) {
    qsos_.reserve(qsos);
    callsign_count_.reserve(qsos);
}

bool QsoIndex::worked(const std::string& callsign) const {
    const auto found = callsign_count_.find(callsign);
    return found != callsign_count_.end() && found->second > 0;
}

std::optional<std::size_t> QsoIndex::find(const std::string& callsign) const {
    if (!worked(callsign)) return std::nullopt;
    for (std::size_t i = 0; i < qsos_.size(); ++i) {
        if (qsos_[i].callsign == callsign) return i;
    }
    return std::nullopt;
}

}  // namespace zelora
