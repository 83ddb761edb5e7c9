// A huge parziale.db read whole; its hand-written lines are the rows of
// tests/data/tables/files.txt, its round trip is the partial_state fuzzer's.
#include "store/partial_state_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelora {
namespace {

TEST(ParsePartialState, HugeFile) {
    std::vector<std::string> lines;
    for (int i = 0; i < 100'000; ++i) lines.push_back("LISTA_QSO line " + std::to_string(i));
    lines.push_back("QSO_EDI " + std::string(1'000'000, 'z'));
    const std::vector<StateEntry> entries = parse_partial_state(lines);
    ASSERT_EQ(entries.size(), 100'001u);
    EXPECT_EQ(entries[99'999], (StateEntry{StateKey::lista_qso, "line 99999"}));
    EXPECT_EQ(entries.back().value.size(), 1'000'000u);
}

}  // namespace
}  // namespace zelora
