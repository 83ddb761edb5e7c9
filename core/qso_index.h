#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/qso_record.h"

namespace zelora {

// Each logged QSO's own fields beside the log lists, so that the duplicate check, the
// correction, the totals and the statistics never rescan the log text.
class QsoIndex {
  public:
    void add(QsoRecord qso);
    // A correction rewrote QSO `index` (0-based); nothing happens for an index past the log.
    void replace(std::size_t index, QsoRecord qso);
    void clear();
    void reserve(std::size_t qsos);

    const std::vector<QsoRecord>& qsos() const { return qsos_; }
    // The number read from each QSO's QRB text, in log order (the totals add them up).
    const std::vector<double>& distances() const { return distances_; }
    // True when a logged QSO has exactly this callsign.
    bool worked(const std::string& callsign) const;
    // The first QSO in log order with exactly this callsign.
    std::optional<std::size_t> find(const std::string& callsign) const;
    // How many times the index changed otherwise than by appending (cleared, a QSO corrected):
    // what keeps a copy of the log by appending must start over when this moves.
    std::size_t rewrites() const { return rewrites_; }

  private:
    std::vector<QsoRecord> qsos_;
    std::vector<double> distances_;
    std::unordered_map<std::string, std::size_t> callsign_count_;
    std::size_t rewrites_ = 0;
};

}  // namespace zelora
