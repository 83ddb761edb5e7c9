#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "base/control.h"
#include "base/platform.h"
#include "core/log_search.h"
#include "core/qso_index.h"
#include "store/member_list.h"

namespace zelora {

// One line of the partial list: the callsign padded to 11 characters, a blank, the locator.
std::string partial_list_line(std::string_view callsign, std::string_view locator);

// What the main window tells the operator beyond its own checks: whether the callsign being
// typed is already in the log, which worked callsigns contain it, the member number its serial
// box will fill, and the QSO rate. Shown only: none of it changes a check of "OK".
class OperatorAids {
  public:
    OperatorAids(const QsoIndex& log, const Platform& platform) : log_(log), platform_(platform) {}

    Control DupeMark;     // "DUPE 012 19.04": the callsign box holds a worked callsign
    Control PartialList;  // worked callsigns containing the typed text, one "\n"-ended line each
    Control MemberHint;   // "I-QRP I012", "MQC M045"
    Control Rate10{"0"};  // QSOs of the last 10 minutes, times 6
    Control Rate60{"0"};  // QSOs of the last 60 minutes

    // The callsign box now holds `callsign`.
    void CallsignTyped(const std::string& callsign);
    // The log was replaced (restored, corrected) while `callsign` is typed.
    void LogChanged(const std::string& callsign);
    void RefreshRate();
    // Reads the member lists again, silently (at load and after a member is added).
    void LoadMemberLists();
    // The hint follows `lists` from now on: the reading the serial box has just filled from.
    void UseMemberLists(MemberLists lists);

  private:
    void ShowMemberHint();

    static constexpr std::size_t kPartialListLength = 10;

    const QsoIndex& log_;
    const Platform& platform_;
    LogSearch search_;
    MemberLists members_;
    // What the shown marks were made from.
    using LogState = std::pair<std::size_t, std::size_t>;  // rewrites and size of the log
    std::string shown_callsign_;
    LogState shown_log_;
};

}  // namespace zelora
