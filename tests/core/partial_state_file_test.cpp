#include "store/partial_state_file.h"
#include "core/notices.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/files.h"
#include "support/fakes.h"

namespace zelora {
namespace {

using namespace std::string_literals;

// The entries as the key lines they stand for, each ended by CR LF.
std::string key_lines(const std::vector<StateEntry>& entries) {
    const char* const names[] = {
        "QSO#",          "CONTEST_QSO",      "CONTEST_QRB",     "CONTEST_MOLT",    "CONTEST_PUNTI",
        "CONTEST_MEDIA", "CONTEST_ODX_CALL", "CONTEST_ODX_LOC", "CONTEST_ODX_QRB", "CONTEST_IQRP",
        "CONTEST_MDC",   "LISTA_QSO",        "QSO_EDI"};
    std::string text;
    for (const StateEntry& e : entries)
        text += names[static_cast<std::size_t>(e.key)] + " "s + e.value + "\r\n";
    return text;
}

const std::string kThreeQsoFile =
    "QSO# 004\r\n"
    "CONTEST_QSO 3\r\n"
    "CONTEST_QRB 1146\r\n"
    "CONTEST_MOLT 1\r\n"
    "CONTEST_PUNTI 1669\r\n"
    "CONTEST_MEDIA 382\r\n"
    "CONTEST_ODX_CALL ZZ9XA\r\n"
    "CONTEST_ODX_LOC JN81GD\r\n"
    "CONTEST_ODX_QRB  523\r\n"
    "CONTEST_IQRP 1\r\n"
    "CONTEST_MDC 0\r\n"
    "LISTA_QSO 001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN81GD   I003\r\n"
    "LISTA_QSO 002   19/07/20   07.24   144Mhz    CW   ZZ9XAB      599-011  JN81GD   \r\n"
    "LISTA_QSO 003   19/07/20   07.31   144Mhz   SSB   IK0AAA      59-007   JN61FV   \r\n"
    "LISTA_QSO \r\n"
    "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;I003;JN81GD;523;;;;\r\n"
    "QSO_EDI 200719;0724;ZZ9XAB;0;599;002;599;011;;JN81GD;523;;;;\r\n"
    "QSO_EDI 200719;0731;IK0AAA;1;59;003;59;007;;JN61FV;100;;;;\r\n"
    "QSO_EDI \r\n";

const ContestTotals kThreeQsoTotals = {"3",     "1146",   "1",    "1669", "382",
                                       "ZZ9XA", "JN81GD", " 523", "1",    "0"};

// The file text of the three QSOs above with `totals`, their log lines taken from kThreeQsoFile.
std::string three_qso_text(const ContestTotals& totals) {
    const std::vector<std::string> file = split_lines(kThreeQsoFile);
    LogList readable_log, edi_log;
    for (std::size_t i = 11; i < 14; ++i)
        readable_log.append(file[i].substr(std::strlen("LISTA_QSO ")));
    for (std::size_t i = 15; i < 18; ++i) edi_log.append(file[i].substr(std::strlen("QSO_EDI ")));
    return partial_state_text("004", totals, readable_log, edi_log);
}

TEST(PartialStateText, ThreeQsosGiveNineteenLinesByteForByteAndNoQsosTheKeysAlone) {
    EXPECT_EQ(three_qso_text(kThreeQsoTotals), kThreeQsoFile);
    EXPECT_EQ(split_lines(kThreeQsoFile).size(), 19u);
    EXPECT_EQ(partial_state_text("001", ContestTotals{}, LogList{}, LogList{}),
              "QSO# 001\r\nCONTEST_QSO 0\r\nCONTEST_QRB 0\r\nCONTEST_MOLT 0\r\nCONTEST_PUNTI 0\r\n"
              "CONTEST_MEDIA 0\r\nCONTEST_ODX_CALL ...\r\nCONTEST_ODX_LOC ...\r\n"
              "CONTEST_ODX_QRB 0\r\nCONTEST_IQRP 0\r\nCONTEST_MDC 0\r\nLISTA_QSO \r\nQSO_EDI \r\n");
}

TEST(PartialStateFile, RoundTripThroughTheFileGivesBackEveryLineButTheListEnds) {
    testing::FakePlatform fake;
    const Platform platform = fake.platform();
    const std::string path = path_in(platform.program_directory, kPartialStateFileName);
    ContestTotals totals = kThreeQsoTotals;
    totals.odx_call = " I\xC0 /P  ";  // blanks and a non-ASCII byte kept as they are
    ASSERT_TRUE(replace_file(path, three_qso_text(totals)));
    const FileLines file = read_lines(platform, path);
    ASSERT_TRUE(file.readable);
    std::string expected = kThreeQsoFile;
    expected.replace(expected.find("ZZ9XA\r\n"), 5, totals.odx_call);
    for (const std::string list_end : {"LISTA_QSO \r\n", "QSO_EDI \r\n"})
        expected.erase(expected.find(list_end), list_end.size());
    EXPECT_EQ(key_lines(parse_partial_state(file.lines)), expected);
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST(ParsePartialState, HandWrittenLines) {
    const struct {
        const char* name;
        std::vector<std::string> lines;
        std::string entries;
    } cases[] = {
        {"unknown keys, empty lines, keys without their blank",
         {"", "FOO bar", "qso# 001", " QSO# 001", "CONTEST", "LISTA", "\r", "QSO#", "CONTEST_QSO",
          "CONTEST_ODX_QRB", "LISTA_QSO", "QSO_EDI"},
         ""},
        {"the character after the key is its blank; the key and it alone give an empty value",
         {"QSO#X7", "CONTEST_IQRP:25", "QSO# ", "CONTEST_MDC "},
         "QSO# 7\r\nCONTEST_IQRP 25\r\nQSO# \r\nCONTEST_MDC \r\n"},
        {"values keep their blanks and bytes",
         {"CONTEST_ODX_QRB  523", "CONTEST_ODX_CALL  I\xC0 /P  ", "QSO#   12",
          "LISTA_QSO   a  b   "},
         "CONTEST_ODX_QRB  523\r\nCONTEST_ODX_CALL  I\xC0 /P  \r\nQSO#   12\r\n"
         "LISTA_QSO   a  b   \r\n"},
        {"similar keys do not mix; every key line counts, in file order",
         {"CONTEST_ODX_QRB 9", "QSO_EDI 1;2", "CONTEST_QRB 5", "QSO# 002", "LISTA_QSO ef"},
         "CONTEST_ODX_QRB 9\r\nQSO_EDI 1;2\r\nCONTEST_QRB 5\r\nQSO# 002\r\nLISTA_QSO ef\r\n"},
        {"list pieces of one character or less are skipped",
         {"LISTA_QSO ", "LISTA_QSO x", "LISTA_QSO xy", "QSO_EDI ", "QSO_EDI x", "QSO_EDI xy"},
         "LISTA_QSO xy\r\nQSO_EDI xy\r\n"},
        {"binary junk",
         {"\0\xFFQSO# 1"s, "QSO# \0\xFF\x01"s, "\x80\x81\x82", std::string(1000, '\0')},
         "QSO# \0\xFF\x01\r\n"s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(key_lines(parse_partial_state(c.lines)), c.entries) << c.name;
    }
}

TEST(ParsePartialState, AnyLineEndIsAccepted) {
    for (const char* text : {"QSO# 005\rCONTEST_QSO 4\rLISTA_QSO ab\rQSO_EDI cd\r",
                             "QSO# 005\nCONTEST_QSO 4\nLISTA_QSO ab\nQSO_EDI cd",
                             "QSO# 005\r\n\r\nCONTEST_QSO 4\nLISTA_QSO ab\r\n\rQSO_EDI cd\n"}) {
        EXPECT_EQ(key_lines(parse_partial_state(split_lines(text))),
                  "QSO# 005\r\nCONTEST_QSO 4\r\nLISTA_QSO ab\r\nQSO_EDI cd\r\n")
            << text;
    }
}

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
