// "Continua Contest" over a parziale.db as a crash, a full disk or a hand edit may have left
// it: the main window takes the contest back, logs one more QSO on top of it and saves it
// with "Esci"; a second run that continues and leaves at once saves exactly the same file.
#include <algorithm>
#include <cstdint>
#include <string>

#include "base/window_set.h"
#include "core/entry_rules.h"
#include "core/station_profile.h"
#include "fuzz_support.h"
#include "store/partial_state_file.h"
#include "windows/edi_header_screen.h"
#include "windows/main_log_screen.h"
#include "windows/start_screen.h"

namespace zelora {
namespace {

constexpr const char* kConfig =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\nMDC = 045\r\n\r\n";

// One run of the program: start, "Continua Contest", then whatever `work` does, then "Esci".
template <class Work>
void continue_contest(testing::FakePlatform& fake, Work work) {
    WindowSet windows(fake.platform());
    start_program(windows);
    FUZZ_CHECK(windows.is_open(WindowId::start));
    windows.get<StartScreen>().Command1_Click();
    MainLogScreen& main = windows.get<MainLogScreen>();
    FUZZ_CHECK(main.visible());
    FUZZ_CHECK(main.Text14.size() == main.qsos().qsos().size());
    FUZZ_CHECK(windows.get<EdiHeaderScreen>().Text1.lines() == main.Text14.lines());
    work(main);
    main.Command3_Click();
    FUZZ_CHECK(windows.finished());
}

}  // namespace
}  // namespace zelora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelora;
    testing::FakePlatform& fake = fuzz::fresh_platform();
    fake.dir.write(kStationFileName, kConfig);
    fake.dir.write(kPartialStateFileName, std::string(reinterpret_cast<const char*>(data), size));

    continue_contest(fake, [](MainLogScreen& main) {
        const std::size_t logged = main.Text12.size();
        std::int64_t highest = 0;
        for (const QsoRecord& qso : main.qsos().qsos())
            highest = std::max(highest, qso_number_value(qso.number));
        // Worked before when a saved EDI line holds it as its callsign, the third field.
        bool worked = false;
        for (const std::string& line : main.Text14.lines()) {
            const std::size_t first = line.find(';');
            if (first == std::string::npos) continue;
            const std::size_t second = line.find(';', first + 1);
            if (second == std::string::npos) continue;
            worked = worked ||
                     line.substr(second + 1, line.find(';', second + 1) - second - 1) == "ZZ9XAB";
        }
        main.focus(main.Text6);
        main.Text6.set("ZZ9XAB");
        main.focus(main.Text9);
        main.Text9.set("5");
        main.focus(main.Text10);
        main.Text10.set("JN61FV");
        main.Text11.set("I003");
        main.Command1_Click();
        FUZZ_CHECK(main.Text12.size() == logged + (worked ? 0 : 1));
        // No QSO number given twice, whatever "QSO# " held (numbers read at most as 10^15).
        FUZZ_CHECK(worked || qso_number_value(main.qsos().qsos().back().number) > highest ||
                   highest >= 1'000'000'000'000'000);
        FUZZ_CHECK(main.Text14.size() == main.qsos().qsos().size());
    });
    const std::string saved = fake.dir.read(kPartialStateFileName);
    FUZZ_CHECK(fake.messages.shown.size() <= 1);  // at most the refusal of a duplicate

    continue_contest(fake, [](MainLogScreen&) {});
    FUZZ_CHECK(fake.dir.read(kPartialStateFileName) == saved);
    return 0;
}
