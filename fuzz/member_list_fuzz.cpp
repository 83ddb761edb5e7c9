// iqrp.txt and mqc.txt as the operator may have edited or damaged them: the member lookup
// of the QSO entry with its hint, and the member-list window's search and addition. The input
// holds, cut at NUL bytes: the list chosen ("MQC" when it starts with M), the callsign, iqrp.txt,
// mqc.txt.
#include <cstdint>
#include <string>

#include "base/text.h"
#include "base/window_set.h"
#include "core/station_profile.h"
#include "fuzz_support.h"
#include "store/member_list.h"
#include "windows/main_log_screen.h"
#include "windows/member_list_screen.h"

namespace zelora {
namespace {

constexpr const char* kConfig = "Call = ZZ9QX\r\nLocator = JN81GD\r\n";
const std::string kAdded = "Utente aggiunto con successo nel database";

bool found(testing::FakePlatform& fake) {
    return fake.messages.texts().back().starts_with("Utente presente nel database ");
}

}  // namespace
}  // namespace zelora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelora;
    const std::vector<std::string> input = fuzz::pieces(data, size, 4);
    const std::string& callsign = input[1];
    testing::FakePlatform& fake = fuzz::fresh_platform();
    fake.dir.write(kStationFileName, kConfig);
    fake.dir.write(kIqrpFileName, input[2]);
    fake.dir.write(kMqcFileName, input[3]);

    WindowSet windows(fake.platform());
    start_program(windows);
    MainLogScreen& main = windows.get<MainLogScreen>();
    main.focus(main.Text6);
    main.Text6.set(callsign);
    const std::string hint = main.aids.MemberHint.text();
    main.focus(main.Text9);
    const std::string& member = main.Text11.text();
    FUZZ_CHECK(member.empty() || member[0] == 'I' || member[0] == 'M');
    // The hint shown while typing names the member the serial box fills.
    FUZZ_CHECK(hint == (member.empty() ? "" : (member[0] == 'I' ? "I-QRP " : "MQC ") + member));

    MemberListScreen& lists = windows.get<MemberListScreen>();
    if (input[0].starts_with('M')) lists.Combo1.set("MQC");
    const std::string chosen = lists.Combo1.text();
    Control& list = chosen == "MQC" ? lists.Text2 : lists.Text1;
    Control& count = chosen == "MQC" ? lists.Text4 : lists.Text3;
    const double members = text_value(count.text());

    lists.Text6.set(callsign);
    const std::string typed = lists.Text6.text();
    lists.Text5.set(typed);
    lists.Command2_Click();
    const bool listed = found(fake);
    lists.Command3_Click();
    const bool added = fake.messages.texts().back() == kAdded;
    FUZZ_CHECK(added == (!listed && !typed.empty() && typed != "N.A."));
    FUZZ_CHECK(text_value(count.text()) == members + (added ? 1 : 0));
    if (!added) return 0;
    // Lists nobody edited keep their bytes: the addition only appends the new member's line.
    const bool mqc = chosen == "MQC";
    FUZZ_CHECK(fake.dir.read(mqc ? kMqcFileName : kIqrpFileName).starts_with(input[mqc ? 3 : 2]));
    FUZZ_CHECK(fake.dir.read(mqc ? kIqrpFileName : kMqcFileName) == input[mqc ? 2 : 3]);

    // The added member is found at once and after the window is opened again.
    const std::string text = list.text();
    lists.Command2_Click();
    FUZZ_CHECK(found(fake));
    windows.close(WindowId::member_lists);
    MemberListScreen& reopened = windows.get<MemberListScreen>();
    FUZZ_CHECK((chosen == "MQC" ? reopened.Text2 : reopened.Text1).text() == text);
    return 0;
}
