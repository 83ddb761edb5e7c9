#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "base/platform.h"

namespace zelora {

// The I-QRP and MQC lists read once and kept by callsign, so that a member can be recognised
// on every keystroke without reading the files again.
class MemberIndex {
  public:
    // Reads iqrp.txt and mqc.txt; a missing or unreadable list counts as empty, silently.
    void load(const Platform& platform);

    // The member box the QSO entry's lookup would fill for `callsign` ("I012", "M045"): the
    // same rule (base call up to the first "/", last entry of a list, I-QRP before MQC).
    std::optional<std::string> member_of(const std::string& callsign) const;

  private:
    std::unordered_map<std::string, std::string> iqrp_;
    std::unordered_map<std::string, std::string> mqc_;
};

}  // namespace zelora
