#include "core/qso_lines.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace zelora {
namespace {

using namespace std::string_literals;

// The two QSOs of the operating example; the CW one has no member number.
const QsoRecord kSsb = {"001", "19/07/20", "07.20", "144",    "SSB",  "ZZ9XA",
                        "59",  "59",       "005",   "JN81GD", "I003", " 523"};
const QsoRecord kCw = {"002", "19/07/20", "07.24", "144",    "CW", "ZZ9XAB",
                       "599", "599",      "011",   "JN81GD", "",   " 523"};

using Q = QsoRecord;

// `qso` with some fields replaced.
QsoRecord with(QsoRecord qso, std::initializer_list<std::pair<std::string Q::*, const char*>> set) {
    for (const auto& [field, value] : set) qso.*field = value;
    return qso;
}

// Every field of a record in declaration order, each followed by "|".
std::string fields_of(const QsoRecord& q) {
    std::string text;
    for (const std::string* field :
         {&q.number, &q.date, &q.time, &q.frequency, &q.mode, &q.callsign, &q.rst_sent,
          &q.rst_received, &q.serial_received, &q.locator, &q.member, &q.qrb})
        text += *field + "|";
    return text;
}

TEST(QsoLines, BothLinesAreBuiltByteForByteAndTheEdiLineReadsBack) {
    const struct {
        const char* name;
        QsoRecord qso;
        const char* list_line;
        const char* edi_line;
    } cases[] = {
        {"ssb member", kSsb,
         "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN81GD   I003",
         "200719;0720;ZZ9XA;1;59;001;59;005;I003;JN81GD;523;;;;"},
        {"cw no member", kCw,
         "002   19/07/20   07.24   144Mhz    CW   ZZ9XAB      599-011  JN81GD   ",
         "200719;0724;ZZ9XAB;0;599;002;599;011;;JN81GD;523;;;;"},
        {"4-character call, other mode (no code), QRB not a number",
         with(kSsb, {{&Q::callsign, "ZZ9X"}, {&Q::mode, "FM"}, {&Q::qrb, "??????"}}),
         "001   19/07/20   07.20   144Mhz    FM   ZZ9X        59-005  JN81GD   I003",
         "200719;0720;ZZ9X;;59;001;59;005;I003;JN81GD;0;;;;"},
        {"10-character call", with(kSsb, {{&Q::callsign, "IZ9ABC/QRP"}}),
         "001   19/07/20   07.20   144Mhz   SSB   IZ9ABC/QRP  59-005   JN81GD   I003",
         "200719;0720;IZ9ABC/QRP;1;59;001;59;005;I003;JN81GD;523;;;;"},
        {"11-character call", with(kSsb, {{&Q::callsign, "IZ9ABCD/QRP"}}),
         "001   19/07/20   07.20   144Mhz   SSB   IZ9ABCD/QRP59-005   JN81GD   I003",
         "200719;0720;IZ9ABCD/QRP;1;59;001;59;005;I003;JN81GD;523;;;;"},
        {"QSO 1000, time 09.20, M member, QRB 1",
         with(kCw,
              {{&Q::number, "1000"}, {&Q::time, "09.20"}, {&Q::member, "M123"}, {&Q::qrb, "1"}}),
         "1000   19/07/20   09.20   144Mhz    CW   ZZ9XAB      599-011  JN81GD   M123",
         "200719;0920;ZZ9XAB;0;599;1000;599;011;M123;JN81GD;1;;;;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qso_list_line(c.qso), c.list_line) << c.name;
        EXPECT_EQ(edi_qso_line(c.qso), c.edi_line) << c.name;
        EXPECT_EQ(edi_qso_line(qso_from_edi_line(c.edi_line)), c.edi_line) << c.name;
    }
    EXPECT_EQ(edi_qso_line(QsoRecord{}), ";;;;;;;;;;0;;;;");
}

TEST(QsoFromEdiLine, EveryFieldOfLoggedShortAndHostileLines) {
    const struct {
        std::string line;
        std::string fields;
    } cases[] = {
        {"200719;0724;ZZ9XAB;0;579;002;599;011;;JN81GD;523;;;;",
         "002|19/07/20|07.24||CW|ZZ9XAB|579|599|011|JN81GD|| 523|"},
        {"200719;0724;ZZ9XAB;0;579;002;599;011;;JN81GD;1;;;;",
         "002|19/07/20|07.24||CW|ZZ9XAB|579|599|011|JN81GD||1|"},
        // A damaged distance reads as the line will be written again.
        {"200719;0724;ZZ9XAB;0;579;002;599;011;;JN81GD;2\xC6" "0;;;;",
         "002|19/07/20|07.24||CW|ZZ9XAB|579|599|011|JN81GD|| 2|"},
        {"", "||||||||||| 0|"},
        {";;;;;;;;;;;;;;;;;;;;", "||||||||||| 0|"},
        {"200719;0720;ZZ9XA", "|19/07/20|07.20|||ZZ9XA|||||| 0|"},
        {"200719;0720;ZZ9XA;7;59;001;59;005;;JN81GD;12",
         "001|19/07/20|07.20|||ZZ9XA|59|59|005|JN81GD|| 12|"},
        {"2007;7;\xE8\0\xFF;0"s, "|/07/20|7.||CW|\xE8\0\xFF|||||| 0|"s},
        {std::string(100000, 'x'), "|xx/xx/xx|||||||||| 0|"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fields_of(qso_from_edi_line(c.line)), c.fields) << c.line.substr(0, 40);
    }
}

}  // namespace
}  // namespace zelora
