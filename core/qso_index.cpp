#include "core/qso_index.h"

#include <utility>

namespace zelora {

void QsoIndex::add(QsoRecord qso) {
    ++callsign_count_[qso.callsign];
    qsos_.push_back(std::move(qso));
}

void QsoIndex::clear() {
    qsos_.clear();
    callsign_count_.clear();
}

void QsoIndex::reserve(std::size_t qsos) {
    qsos_.reserve(qsos);
    callsign_count_.reserve(qsos);
}

bool QsoIndex::worked(const std::string& callsign) const {
    const auto found = callsign_count_.find(callsign);
    return found != callsign_count_.end() && found->second > 0;
}

void QsoIndex::rename(std::size_t index, const std::string& callsign) {
    if (index >= qsos_.size()) return;
    std::string& current = qsos_[index].callsign;
    if (--callsign_count_[current] == 0) callsign_count_.erase(current);
    current = callsign;
    ++callsign_count_[current];
}

}  // namespace zelora
