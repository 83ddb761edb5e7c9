#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "core/qso_record.h"

namespace zelora {

// Each logged QSO's own fields beside the log lists, so that the duplicate check, the
// correction and the statistics never rescan the log text.
class QsoIndex {
  public:
    void add(QsoRecord qso);
    void clear();
    void reserve(std::size_t qsos);

    const std::vector<QsoRecord>& qsos() const { return qsos_; }
    // True when a logged QSO has exactly this callsign.
    bool worked(const std::string& callsign) const;
    // A correction changed the callsign of QSO `index` (0-based).
    void rename(std::size_t index, const std::string& callsign);

  private:
    std::vector<QsoRecord> qsos_;
    std::unordered_map<std::string, std::size_t> callsign_count_;
};

}  // namespace zelora
