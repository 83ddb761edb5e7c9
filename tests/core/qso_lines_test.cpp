#include "core/qso_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace zelora {
namespace {

// The SSB QSO of the operating example.
QsoRecord ssb_qso() {
    return {"001", "19/07/20", "07.20", "144",    "SSB",  "ZZ9XA",
            "59",  "59",       "005",   "JN81GD", "I003", " 523"};
}

// The CW QSO of the operating example, without member number.
QsoRecord cw_qso() {
    return {"002", "19/07/20", "07.24", "144",    "CW", "ZZ9XAB",
            "599", "599",      "011",   "JN81GD", "",   " 523"};
}

struct LineCase {
    const char* name;
    QsoRecord qso;
    const char* list_line;
    const char* edi_line;
};

QsoRecord with(QsoRecord qso, const std::function<void(QsoRecord&)>& change) {
    change(qso);
    return qso;
}

TEST(QsoLines, BothLinesAreBuiltByteForByte) {
    const LineCase cases[] = {
        {"ssb member", ssb_qso(),
         "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN81GD   I003",
         "200719;0720;ZZ9XA;1;59;001;59;005;I003;JN81GD;523;;;;"},
        {"cw no member", cw_qso(),
         "002   19/07/20   07.24   144Mhz    CW   ZZ9XAB      599-011  JN81GD   ",
         "200719;0724;ZZ9XAB;0;599;002;599;011;;JN81GD;523;;;;"},
        {"4-character call", with(ssb_qso(), [](QsoRecord& q) { q.callsign = "ZZ9X"; }),
         "001   19/07/20   07.20   144Mhz   SSB   ZZ9X        59-005   JN81GD   I003",
         "200719;0720;ZZ9X;1;59;001;59;005;I003;JN81GD;523;;;;"},
        {"10-character call", with(ssb_qso(), [](QsoRecord& q) { q.callsign = "IZ9ABC/QRP"; }),
         "001   19/07/20   07.20   144Mhz   SSB   IZ9ABC/QRP  59-005   JN81GD   I003",
         "200719;0720;IZ9ABC/QRP;1;59;001;59;005;I003;JN81GD;523;;;;"},
        {"11-character call", with(ssb_qso(), [](QsoRecord& q) { q.callsign = "IZ9ABCD/QRP"; }),
         "001   19/07/20   07.20   144Mhz   SSB   IZ9ABCD/QRP59-005   JN81GD   I003",
         "200719;0720;IZ9ABCD/QRP;1;59;001;59;005;I003;JN81GD;523;;;;"},
        {"3-character call is padded too",
         with(ssb_qso(), [](QsoRecord& q) { q.callsign = "I9A"; }),
         "001   19/07/20   07.20   144Mhz   SSB   I9A         59-005   JN81GD   I003",
         "200719;0720;I9A;1;59;001;59;005;I003;JN81GD;523;;;;"},
        {"QSO 1000", with(cw_qso(), [](QsoRecord& q) { q.number = "1000"; }),
         "1000   19/07/20   07.24   144Mhz    CW   ZZ9XAB      599-011  JN81GD   ",
         "200719;0724;ZZ9XAB;0;599;1000;599;011;;JN81GD;523;;;;"},
        {"ssb without member", with(ssb_qso(), [](QsoRecord& q) { q.member = ""; }),
         "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN81GD   ",
         "200719;0720;ZZ9XA;1;59;001;59;005;;JN81GD;523;;;;"},
        {"QRB 1 and time 09.20",
         with(cw_qso(),
              [](QsoRecord& q) {
                  q.qrb = "1";
                  q.time = "09.20";
                  q.member = "M123";
              }),
         "002   19/07/20   09.20   144Mhz    CW   ZZ9XAB      599-011  JN81GD   M123",
         "200719;0920;ZZ9XAB;0;599;002;599;011;M123;JN81GD;1;;;;"},
        {"other mode has no code", with(ssb_qso(), [](QsoRecord& q) { q.mode = "FM"; }),
         "001   19/07/20   07.20   144Mhz    FM   ZZ9XA       59-005  JN81GD   I003",
         "200719;0720;ZZ9XA;;59;001;59;005;I003;JN81GD;523;;;;"},
        {"QRB not a number", with(ssb_qso(), [](QsoRecord& q) { q.qrb = "??????"; }),
         "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN81GD   I003",
         "200719;0720;ZZ9XA;1;59;001;59;005;I003;JN81GD;0;;;;"},
    };
    for (const LineCase& c : cases) {
        EXPECT_EQ(qso_list_line(c.qso), c.list_line) << c.name;
        EXPECT_EQ(edi_qso_line(c.qso), c.edi_line) << c.name;
    }
}

TEST(QsoLines, ColumnsOfAThreeDigitQso) {
    const std::string ssb = qso_list_line(ssb_qso());
    const std::string cw = qso_list_line(cw_qso());
    EXPECT_EQ(ssb.substr(25, 6), "144Mhz");
    EXPECT_EQ(ssb.substr(34, 3), "SSB");
    EXPECT_EQ(cw.substr(34, 3), " CW");
    EXPECT_EQ(ssb.substr(40, 12), "ZZ9XA       ");
    EXPECT_EQ(ssb.substr(61, 6), "JN81GD");
    EXPECT_EQ(cw.substr(61, 6), "JN81GD");
    EXPECT_EQ(ssb.substr(70), "I003");
}

TEST(QsoLines, EdiLinesHaveFourteenSemicolonsWhateverTheFields) {
    QsoRecord empty;
    for (const QsoRecord& qso : {ssb_qso(), cw_qso(), empty}) {
        const std::string line = edi_qso_line(qso);
        EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 14) << line;
    }
    EXPECT_EQ(edi_qso_line(empty), ";;;;;;;;;;0;;;;");
}

TEST(QsoFromEdiLine, ReadsBackTheFieldsOfALoggedQso) {
    for (QsoRecord qso : {ssb_qso(), cw_qso()}) {
        const QsoRecord read = qso_from_edi_line(edi_qso_line(qso));
        qso.frequency = "";  // not carried by the line
        qso.qrb = "523";     // carried as plain kilometres
        EXPECT_EQ(read.number, qso.number);
        EXPECT_EQ(read.date, qso.date);
        EXPECT_EQ(read.time, qso.time);
        EXPECT_EQ(read.frequency, qso.frequency);
        EXPECT_EQ(read.mode, qso.mode);
        EXPECT_EQ(read.callsign, qso.callsign);
        EXPECT_EQ(read.rst_sent, qso.rst_sent);
        EXPECT_EQ(read.rst_received, qso.rst_received);
        EXPECT_EQ(read.serial_received, qso.serial_received);
        EXPECT_EQ(read.locator, qso.locator);
        EXPECT_EQ(read.member, qso.member);
        EXPECT_EQ(read.qrb, qso.qrb);
    }
}

TEST(QsoFromEdiLine, ShortAndHostileLinesLeaveMissingFieldsEmpty) {
    using namespace std::string_literals;
    struct Case {
        std::string line;
        std::string date;
        std::string time;
        std::string callsign;
        std::string mode;
        std::string locator;
        std::string qrb;
    };
    const Case cases[] = {
        {"", "", "", "", "", "", ""},
        {";;;;;;;;;;;;;;;;;;;;", "", "", "", "", "", ""},
        {"200719;0720;ZZ9XA", "19/07/20", "07.20", "ZZ9XA", "", "", ""},
        {"200719;0720;ZZ9XA;7;59;001;59;005;;JN81GD;12", "19/07/20", "07.20", "ZZ9XA", "", "JN81GD",
         "12"},
        {"2007;7;\xE8\0\xFF;0"s, "/07/20", "7.", "\xE8\0\xFF"s, "CW", "", ""},
        {std::string(100000, 'x'), "xx/xx/xx", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        const QsoRecord qso = qso_from_edi_line(c.line);
        const std::string label = c.line.substr(0, 40);
        EXPECT_EQ(qso.date, c.date) << label;
        EXPECT_EQ(qso.time, c.time) << label;
        EXPECT_EQ(qso.callsign, c.callsign) << label;
        EXPECT_EQ(qso.mode, c.mode) << label;
        EXPECT_EQ(qso.locator, c.locator) << label;
        EXPECT_EQ(qso.qrb, c.qrb) << label;
    }
}

}  // namespace
}  // namespace zelora
