// The correction window over a log restored from a parziale.db as it may be found, with QSOs
// typed on top of it: a search, the corrected fields, "Modifica". The input is cut at NUL bytes
// into the parziale.db, the callsigns to log (one a line), the text searched and the values of
// the eight fields from "Call" to "I-QRP-MQC" (an empty one keeps what the search showed).
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/window_set.h"
#include "core/contest_totals.h"
#include "core/qso_lines.h"
#include "core/station_profile.h"
#include "fuzz_support.h"
#include "store/partial_state_file.h"
#include "windows/edi_header_screen.h"
#include "windows/main_log_screen.h"
#include "windows/qso_edit_screen.h"
#include "windows/start_screen.h"

namespace zelora {
namespace {

constexpr const char* kConfig =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\nMDC = 045\r\n\r\n";

// Everything a correction may change or must leave alone.
struct Contest {
    std::vector<QsoRecord> qsos;
    std::vector<std::string> readable, edi, buffer;
    ContestTotals totals;
    std::string saved;
    bool operator==(const Contest&) const = default;
};

Contest contest_of(WindowSet& windows, testing::FakePlatform& fake) {
    MainLogScreen& main = windows.get<MainLogScreen>();
    Contest contest{
        main.qsos().qsos(), main.Text12.lines(), main.Text14.lines(), {}, main.totals(), ""};
    if (windows.is_open(WindowId::edi_header))
        contest.buffer = windows.get<EdiHeaderScreen>().Text1.lines();
    if (fake.dir.exists(kPartialStateFileName))
        contest.saved = fake.dir.read(kPartialStateFileName);
    return contest;
}

bool is_edi_line(const std::string& line) {
    return std::count(line.begin(), line.end(), ';') == 14;
}

bool well_formed(const Contest& contest) {
    return contest.readable.size() == contest.qsos.size() &&
           contest.edi.size() == contest.qsos.size() &&
           std::all_of(contest.edi.begin(), contest.edi.end(), is_edi_line);
}

// A list of the last QSOs of the log, after a correction of QSO `index` of `count`: as long as
// before, the same line but for that QSO's, which is a whole EDI line when `edi`.
void check_list(const std::vector<std::string>& before, const std::vector<std::string>& after,
                std::size_t index, std::size_t count, bool edi) {
    FUZZ_CHECK(after.size() == before.size());
    for (std::size_t line = 0; line < after.size(); ++line) {
        if (line + count == after.size() + index) {
            FUZZ_CHECK(!edi || is_edi_line(after[line]));
        } else {
            FUZZ_CHECK(after[line] == before[line]);
        }
    }
}

// The totals as the entry row would have added up the QSOs of the EDI log.
ContestTotals recomputed(const std::vector<std::string>& edi_log) {
    ContestTotals totals;
    for (const std::string& line : edi_log) {
        const QsoRecord qso = qso_from_edi_line(line);
        totals = add_qso(totals, qso.qrb, qso.member, qso.callsign, qso.locator);
    }
    return totals;
}

void log_qsos(MainLogScreen& main, const std::string& callsigns) {
    for (const std::string& callsign : split_lines(callsigns)) {
        main.focus(main.Text6);
        main.Text6.set(callsign);
        main.focus(main.Text9);
        main.Text9.set("5");
        main.focus(main.Text10);
        main.Text10.set("JN61FV");
        main.Command1_Click();
    }
}

}  // namespace
}  // namespace zelora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelora;
    const std::vector<std::string> input = fuzz::pieces(data, size, 11);
    testing::FakePlatform& fake = fuzz::fresh_platform();
    fake.dir.write(kStationFileName, kConfig);
    if (!input[0].empty()) fake.dir.write(kPartialStateFileName, input[0]);

    WindowSet windows(fake.platform());
    start_program(windows);
    windows.get<StartScreen>().Command1_Click();
    MainLogScreen& main = windows.get<MainLogScreen>();
    FUZZ_CHECK(main.visible());
    log_qsos(main, input[1]);
    fake.messages.shown.clear();

    QsoEditScreen& edit = windows.get<QsoEditScreen>();
    edit.Text1.set(input[2]);
    edit.Command3_Click();
    const std::vector<QsoRecord>& log = main.qsos().qsos();
    const auto first = std::find_if(log.begin(), log.end(), [&](const QsoRecord& qso) {
        return !edit.Text1.text().empty() && qso.callsign == edit.Text1.text();
    });
    const std::vector<std::string> search_messages = fake.messages.texts();
    if (first == log.end()) {
        FUZZ_CHECK(search_messages == std::vector<std::string>{"Call non trovato nel LOG"});
        FUZZ_CHECK(edit.Text2.text().empty() && edit.Label9.text().empty());
    } else {
        FUZZ_CHECK(search_messages.empty());
        FUZZ_CHECK(edit.Text2.text() == first->callsign && edit.Label9.text() == first->callsign);
    }
    const std::size_t found = static_cast<std::size_t>(first - log.begin());

    Control* const fields[] = {&edit.Text2, &edit.Text3, &edit.Text4, &edit.Text5,
                               &edit.Text6, &edit.Text7, &edit.Text8, &edit.Text9};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (!input[3 + i].empty()) fields[i]->set(input[3 + i]);
    }
    const Contest before = contest_of(windows, fake);
    fake.messages.shown.clear();
    edit.Command1_Click();
    const Contest after = contest_of(windows, fake);

    if (fake.messages.texts() != std::vector<std::string>{"I dati del QSO sono stati modificati"}) {
        // Refused: nothing of the contest changed and the search stands for another try.
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(first == log.end() || edit.Label9.text() == first->callsign);
        return 0;
    }
    FUZZ_CHECK(first != log.end());
    FUZZ_CHECK(edit.Text1.text().empty() && edit.Text2.text().empty());
    if (after.qsos == before.qsos) {
        FUZZ_CHECK(after == before);
        return 0;
    }
    const std::size_t count = before.qsos.size();
    FUZZ_CHECK(after.qsos.size() == count);
    for (std::size_t i = 0; i < count; ++i) {
        FUZZ_CHECK(i == found || after.qsos[i] == before.qsos[i]);
    }
    check_list(before.readable, after.readable, found, count, false);
    check_list(before.edi, after.edi, found, count, true);
    check_list(before.buffer, after.buffer, found, count, true);
    FUZZ_CHECK(!well_formed(before) || well_formed(after));
    FUZZ_CHECK(after.totals == recomputed(after.edi));
    FUZZ_CHECK(after.saved != before.saved);
    return 0;
}
