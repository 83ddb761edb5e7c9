#include "store/partial_state_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files.h"
#include "support/fakes.h"

namespace zelora {
namespace {

using namespace std::string_literals;

const std::vector<std::string> kReadableLines = {
    "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN81GD   I003",
    "002   19/07/20   07.24   144Mhz    CW   ZZ9XAB      599-011  JN81GD   ",
    "003   19/07/20   07.31   144Mhz   SSB   IK0AAA      59-007   JN61FV   ",
};
const std::vector<std::string> kEdiLines = {
    "200719;0720;ZZ9XA;1;59;001;59;005;I003;JN81GD;523;;;;",
    "200719;0724;ZZ9XAB;0;599;002;599;011;;JN81GD;523;;;;",
    "200719;0731;IK0AAA;1;59;003;59;007;;JN61FV;100;;;;",
};

ContestTotals three_qso_totals() {
    return {"3", "1146", "1", "1669", "382", "ZZ9XA", "JN81GD", " 523", "1", "0"};
}

LogList list_of(std::vector<std::string> lines) {
    LogList list;
    list.assign(std::move(lines));
    return list;
}

// The contest as the main window rebuilds it from the entries: values replace, lists grow.
struct Restored {
    std::string qso_number;
    ContestTotals totals;
    LogList readable_log;
    LogList edi_log;
};

Restored restore(const std::vector<StateEntry>& entries) {
    Restored r;
    // In the order of StateKey.
    std::string* const values[] = {&r.qso_number,      &r.totals.qso,     &r.totals.qrb,
                                   &r.totals.molt,     &r.totals.punti,   &r.totals.media,
                                   &r.totals.odx_call, &r.totals.odx_loc, &r.totals.odx_qrb,
                                   &r.totals.iqrp,     &r.totals.mdc};
    for (const StateEntry& entry : entries) {
        if (entry.key == StateKey::lista_qso) {
            r.readable_log.append(entry.value);
        } else if (entry.key == StateKey::qso_edi) {
            r.edi_log.append(entry.value);
        } else {
            *values[static_cast<std::size_t>(entry.key)] = entry.value;
        }
    }
    return r;
}

TEST(PartialStateText, ThreeQsosGiveNineteenLinesByteForByte) {
    const std::string text =
        partial_state_text("004", three_qso_totals(), list_of(kReadableLines), list_of(kEdiLines));
    const std::string expected =
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
    EXPECT_EQ(text, expected);
    EXPECT_EQ(split_lines(text).size(), 19u);
}

TEST(PartialStateText, EmptyListsGiveTheKeysAlone) {
    const std::string text = partial_state_text("001", ContestTotals{}, LogList{}, LogList{});
    EXPECT_EQ(text,
              "QSO# 001\r\nCONTEST_QSO 0\r\nCONTEST_QRB 0\r\nCONTEST_MOLT 0\r\nCONTEST_PUNTI 0\r\n"
              "CONTEST_MEDIA 0\r\nCONTEST_ODX_CALL ...\r\nCONTEST_ODX_LOC ...\r\n"
              "CONTEST_ODX_QRB 0\r\nCONTEST_IQRP 0\r\nCONTEST_MDC 0\r\nLISTA_QSO \r\nQSO_EDI \r\n");
    const Restored restored = restore(parse_partial_state(split_lines(text)));
    EXPECT_TRUE(restored.readable_log.empty());
    EXPECT_TRUE(restored.edi_log.empty());
}

TEST(PartialStateFile, RoundTripThroughTheFileKeepsEverythingByteForByte) {
    testing::FakePlatform fake;
    const Platform platform = fake.platform();
    ContestTotals totals = three_qso_totals();
    totals.odx_call = " I\xC0 /P  ";  // blanks and a non-ASCII byte kept as they are
    const std::string path = path_in(platform.program_directory, kPartialStateFileName);
    ASSERT_TRUE(replace_file(
        path, partial_state_text("004", totals, list_of(kReadableLines), list_of(kEdiLines))));

    const FileLines file = read_lines(platform, path);
    ASSERT_TRUE(file.readable);
    const Restored restored = restore(parse_partial_state(file.lines));
    EXPECT_EQ(restored.qso_number, "004");
    EXPECT_EQ(restored.totals, totals);
    EXPECT_EQ(restored.readable_log.lines(), kReadableLines);
    EXPECT_EQ(restored.edi_log.lines(), kEdiLines);
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST(ParsePartialState, HandWrittenLines) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<StateEntry> entries;
    };
    const Case cases[] = {
        {"unknown keys and empty lines",
         {"", "FOO bar", "qso# 001", " QSO# 001", "CONTEST", "LISTA", "\r"},
         {}},
        {"key without its blank is skipped",
         {"QSO#", "CONTEST_QSO", "CONTEST_ODX_QRB", "LISTA_QSO", "QSO_EDI"},
         {}},
        {"key with its blank gives an empty value",
         {"QSO# ", "CONTEST_MDC "},
         {{StateKey::qso_number, ""}, {StateKey::contest_mdc, ""}}},
        {"the character after the key is taken as its blank",
         {"QSO#X7", "CONTEST_IQRP:25"},
         {{StateKey::qso_number, "7"}, {StateKey::contest_iqrp, "25"}}},
        {"values keep their leading and inner blanks",
         {"CONTEST_ODX_QRB  523", "CONTEST_ODX_CALL  I\xC0 /P  ", "QSO#   12"},
         {{StateKey::contest_odx_qrb, " 523"},
          {StateKey::contest_odx_call, " I\xC0 /P  "},
          {StateKey::qso_number, "  12"}}},
        {"similar keys do not mix",
         {"CONTEST_ODX_QRB 9", "QSO_EDI 1;2", "CONTEST_QRB 5", "CONTEST_ODX_LOC JN81GD"},
         {{StateKey::contest_odx_qrb, "9"},
          {StateKey::qso_edi, "1;2"},
          {StateKey::contest_qrb, "5"},
          {StateKey::contest_odx_loc, "JN81GD"}}},
        {"list pieces of one character or less are skipped",
         {"LISTA_QSO ", "LISTA_QSO x", "LISTA_QSO xy", "QSO_EDI ", "QSO_EDI x", "QSO_EDI xy"},
         {{StateKey::lista_qso, "xy"}, {StateKey::qso_edi, "xy"}}},
        {"list lines keep their blanks",
         {"LISTA_QSO   a  b   "},
         {{StateKey::lista_qso, "  a  b   "}}},
        {"every key line counts, in file order",
         {"QSO# 001", "LISTA_QSO ab", "QSO# 002", "QSO_EDI cd", "LISTA_QSO ef"},
         {{StateKey::qso_number, "001"},
          {StateKey::lista_qso, "ab"},
          {StateKey::qso_number, "002"},
          {StateKey::qso_edi, "cd"},
          {StateKey::lista_qso, "ef"}}},
        {"binary junk",
         {"\0\xFFQSO# 1"s, "QSO# \0\xFF\x01"s, "\x80\x81\x82", std::string(1000, '\0')},
         {{StateKey::qso_number, "\0\xFF\x01"s}}},
    };
    for (const Case& c : cases) EXPECT_EQ(parse_partial_state(c.lines), c.entries) << c.name;
}

TEST(ParsePartialState, AnyLineEndIsAccepted) {
    const std::vector<StateEntry> expected = {{StateKey::qso_number, "005"},
                                              {StateKey::contest_qso, "4"},
                                              {StateKey::lista_qso, "ab"},
                                              {StateKey::qso_edi, "cd"}};
    for (const char* text : {"QSO# 005\rCONTEST_QSO 4\rLISTA_QSO ab\rQSO_EDI cd\r",
                             "QSO# 005\nCONTEST_QSO 4\nLISTA_QSO ab\nQSO_EDI cd",
                             "QSO# 005\r\n\r\nCONTEST_QSO 4\nLISTA_QSO ab\r\n\rQSO_EDI cd\n"}) {
        EXPECT_EQ(parse_partial_state(split_lines(text)), expected) << text;
    }
}

TEST(ParsePartialState, HugeFile) {
    std::vector<std::string> lines;
    lines.reserve(100'001);
    for (int i = 0; i < 100'000; ++i) lines.push_back("LISTA_QSO line " + std::to_string(i));
    lines.push_back("QSO_EDI " + std::string(1'000'000, 'z'));
    const std::vector<StateEntry> entries = parse_partial_state(lines);
    ASSERT_EQ(entries.size(), 100'001u);
    EXPECT_EQ(entries[99'999], (StateEntry{StateKey::lista_qso, "line 99999"}));
    EXPECT_EQ(entries.back().value.size(), 1'000'000u);
}

}  // namespace
}  // namespace zelora
