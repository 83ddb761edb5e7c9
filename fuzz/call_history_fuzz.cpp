// storico.txt as the operator may have edited or damaged it, and the EDI and ADIF logs of other
// programs imported into it. The input holds, cut at NUL bytes: storico.txt, an EDI log, an
// ADIF log, and the text typed in the callsign box.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "store/call_history.h"
#include "store/history_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelora;
    const std::vector<std::string> input = fuzz::pieces(data, size, 4);
    testing::FakePlatform& fake = fuzz::fresh_platform();
    fake.dir.write(kHistoryFileName, input[0]);
    fake.dir.write("log.edi", input[1]);
    fake.dir.write("log.adi", input[2]);

    CallHistory history;
    history.load(fake.platform());
    const CallHistory loaded = history;
    const HistoryImport import =
        read_history_files({fake.dir.file("log.edi"), fake.dir.file("log.adi")});
    FUZZ_CHECK(import.files_read + import.unread_files.size() == 2);
    FUZZ_CHECK(import_history(fake.platform(), history,
                              {fake.dir.file("log.edi"), fake.dir.file("log.adi")}));

    // Every entry is as the history keeps it, and no station got older.
    for (const HistoryEntry& entry : import.entries) {
        FUZZ_CHECK(history_entry(entry.callsign, entry.locator, entry.date, entry.time) == entry);
        const auto station = history.find(entry.callsign);
        FUZZ_CHECK(station && station->date >= entry.date);
    }
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        const auto station = history.find(loaded.station(i).callsign);
        FUZZ_CHECK(station && station->date >= loaded.station(i).date);
    }

    // What is saved reads back the same.
    CallHistory again;
    again.load(fake.platform());
    FUZZ_CHECK(again.text() == history.text());
    if (!import.entries.empty()) FUZZ_CHECK(again.skipped_lines() == 0);

    // The index finds what a plain scan finds, for each piece of the typed text and a limit
    // of one, of a partial list, and of all.
    const std::string& typed = input[3];
    for (std::size_t at = 0; at < std::min<std::size_t>(typed.size(), 16); ++at) {
        for (std::size_t length = 1; at + length <= typed.size() && length <= 16; ++length) {
            const std::string text = typed.substr(at, length);
            for (const std::size_t limit : {std::size_t{1}, std::size_t{10}, history.size()}) {
                std::vector<HistoryStation> scanned;
                for (std::size_t i = 0; i < history.size() && scanned.size() < limit; ++i) {
                    if (history.station(i).callsign.find(text) != std::string_view::npos)
                        scanned.push_back(history.station(i));
                }
                FUZZ_CHECK(history.containing(text, limit) == scanned);
            }
        }
    }
    FUZZ_CHECK(history.containing("", 10).empty());
    const auto found = history.find(typed);
    FUZZ_CHECK(!found || found->callsign == typed);
    return 0;
}
