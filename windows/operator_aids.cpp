#include "windows/operator_aids.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "base/text.h"

namespace zelora {

std::string partial_list_line(std::string_view callsign, std::string_view locator) {
    std::string line(callsign);
    line.resize(std::max<std::size_t>(line.size(), 11), ' ');
    return line.append(" ").append(locator).append("\n");
}

void OperatorAids::CallsignTyped(const std::string& callsign) {
    // The box's change reaction runs twice per keystroke (once more for the upper case).
    const LogState log_state{log_.rewrites(), log_.qsos().size()};
    if (callsign == shown_callsign_ && log_state == shown_log_) return;
    shown_callsign_ = callsign;
    shown_log_ = log_state;
    search_.sync(log_);
    const std::vector<QsoRecord>& qsos = log_.qsos();

    const std::optional<std::size_t> dupe = search_.last_qso_of(callsign);
    DupeMark.set(callsign.empty() || !dupe ? ""
                                           : "DUPE " + qsos[*dupe].number + " " + qsos[*dupe].time);

    std::string lines;
    for (const std::size_t qso : search_.containing(callsign, kPartialListLength)) {
        lines += partial_list_line(qsos[qso].callsign, qsos[qso].locator);
    }
    PartialList.set(lines);
    ShowMemberHint();
}

void OperatorAids::ShowMemberHint() {
    const std::optional<std::string> member = members_.member_of(shown_callsign_);
    MemberHint.set(!member ? "" : (member->front() == 'I' ? "I-QRP " : "MQC ") + *member);
}

void OperatorAids::LogChanged(const std::string& callsign) {
    CallsignTyped(callsign);
    RefreshRate();
}

void OperatorAids::RefreshRate() {
    search_.sync(log_);
    const std::int64_t now = minute_of(platform_.clock.utc_now());
    Rate10.set(number_text(search_.logged_within(now, 10) * 6));
    Rate60.set(number_text(search_.logged_within(now, 60)));
}

void OperatorAids::LoadMemberLists() {
    UseMemberLists(MemberLists::read(platform_, false));
}

void OperatorAids::UseMemberLists(MemberLists lists) {
    members_ = std::move(lists);
    ShowMemberHint();  // a member just added shows at once
}

}  // namespace zelora
