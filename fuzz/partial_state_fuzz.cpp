// parziale.db as a crash, a full disk or a hand edit may have left it: whatever the reader
// takes from it, written out again, is read back unchanged.
#include <cstdint>
#include <string>
#include <vector>

#include "base/files.h"
#include "fuzz_support.h"
#include "store/partial_state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelora;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // The state as a restore keeps it: the last value of each single key, every list line.
    std::string qso_number;
    ContestTotals totals{"", "", "", "", "", "", "", "", "", ""};
    std::string* const single[] = {&qso_number,      &totals.qso,     &totals.qrb,
                                   &totals.molt,     &totals.punti,   &totals.media,
                                   &totals.odx_call, &totals.odx_loc, &totals.odx_qrb,
                                   &totals.iqrp,     &totals.mdc};
    LogList readable_log;
    LogList edi_log;
    for (const StateEntry& entry : parse_partial_state(split_lines(text))) {
        if (entry.key == StateKey::lista_qso) {
            FUZZ_CHECK(entry.value.size() > 1);
            readable_log.append(entry.value);
        } else if (entry.key == StateKey::qso_edi) {
            FUZZ_CHECK(entry.value.size() > 1);
            edi_log.append(entry.value);
        } else {
            *single[static_cast<std::size_t>(entry.key)] = entry.value;
        }
    }

    std::vector<StateEntry> expected;
    for (std::size_t key = 0; key < std::size(single); ++key)
        expected.push_back({static_cast<StateKey>(key), *single[key]});
    for (const std::string& line : readable_log.lines())
        expected.push_back({StateKey::lista_qso, line});
    for (const std::string& line : edi_log.lines()) expected.push_back({StateKey::qso_edi, line});

    const std::string written = partial_state_text(qso_number, totals, readable_log, edi_log);
    FUZZ_CHECK(parse_partial_state(split_lines(written)) == expected);
    return 0;
}
