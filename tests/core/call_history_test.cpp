// The call history: storico.txt, the import of EDI and ADIF logs, the lookups while typing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/call_history.h"
#include "store/history_import.h"
#include "support/fakes.h"

namespace zelora {
namespace {

using namespace std::string_literals;
using testing::critical;
using testing::FakePlatform;

std::string data(const std::string& name) {
    return std::string(ZELORA_TEST_DATA) + "/" + name;
}

TEST(HistoryImport, EachLogIsReadOrRefusedWithItsSkippedLinesCounted) {
    const struct {
        const char* file;
        std::size_t files_read, stations, skipped;
    } cases[] = {
        {"whole_contest/first.edi", 1, 150, 0},  // as this program writes it
        {"history/zelora.edi", 1, 3, 0},
        {"history/other_logger.edi", 1, 5, 6},  // BOM, LF, other keys, bad fields and dates
        {"history/cr_only.edi", 1, 2, 0},
        {"history/no_records.edi", 0, 0, 0},
        {"history/empty.edi", 0, 0, 0},
        {"history/binary.edi", 0, 0, 0},
        {"history/log.adi", 1, 5, 5},  // lower case, wrong lengths, bad grids, no last <EOR>
        {"history/no_header.ADI", 1, 1, 1},
        {"history/empty.adi", 0, 0, 0},
        {"history/missing.edi", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const HistoryImport import = read_history_files({data(c.file)});
        EXPECT_EQ(import.files_read, c.files_read) << c.file;
        EXPECT_EQ(import.unread_files.size(), 1 - c.files_read) << c.file;
        EXPECT_EQ(import.entries.size(), c.stations) << c.file;
        EXPECT_EQ(import.skipped, c.skipped) << c.file;
    }
}

TEST(HistoryImport, TheNewestQsoOfEachCallsignIsSavedAndToldInOneMessage) {
    FakePlatform fake;
    fake.dir.write(kHistoryFileName,
                   "HB9ABC#JN47XX#20210612\r\n"    // the same day as the import: stays
                   "IK2ABC/P#JN45AA#20220101\r\n"  // newer than the import: stays
                   "ZZ9XA#JN00AA#20000101\r\n"     // older: replaced
                   "ZZ9ZZZ#JN99AA#20100101\r\n");
    CallHistory history;
    history.load(fake.platform());
    const std::vector<std::string> files = {
        data("history/zelora.edi"), data("history/other_logger.edi"), data("history/log.adi"),
        data("history/missing.edi"), data("history/empty.edi")};
    EXPECT_TRUE(import_history(fake.platform(), history, files));
    EXPECT_EQ(fake.messages.shown, std::vector{critical("Importati 11 nominativi da 3 file\n"
                                                        "File non letti: missing.edi, empty.edi\n"
                                                        "Righe scartate: 11")});
    const std::string expected =
        "DL1ABC#JO50AB#20210612\r\n"  // the later of two QSOs of one day
        "HB9ABC#JN47XX#20210612\r\n"
        "IK0AAA#JN61FV#20200719\r\n"
        "IK2ABC/P#JN45AA#20220101\r\n"
        "OK1ABC#JO70AA#20190505\r\n"
        "OK1ABG#JO70AD#20190505\r\n"
        "OK1ABJ#JO70AE#20190505\r\n"
        "OK1ABK#JO70AF#20190505\r\n"
        "OK1ABL#JO70AG#20190505\r\n"
        "ZZ9XA#JN45LL#20210612\r\n"
        "ZZ9XAB#JN81GD#20200719\r\n"  // the other log's older QSO lost
        "ZZ9ZZZ#JN99AA#20100101\r\n";
    EXPECT_EQ(fake.dir.read(kHistoryFileName), expected);
    EXPECT_EQ(history.text(), expected);

    EXPECT_EQ(history.find("IK2ABC/P"), (HistoryStation{"IK2ABC/P", "JN45AA", "20220101"}));
    EXPECT_EQ(history.find("IK2ABC"), std::nullopt);
    EXPECT_EQ(history.find("IK2ABC/"), std::nullopt);
    std::vector<std::string_view> found;
    for (const HistoryStation& s : history.containing("ABC", 3)) found.push_back(s.callsign);
    EXPECT_EQ(found, (std::vector<std::string_view>{"DL1ABC", "HB9ABC", "IK2ABC/P"}));
}

TEST(CallHistory, HandEditedLinesAreReadWhenTheyCanBeAndDroppedOtherwise) {
    FakePlatform fake;
    fake.dir.write(kHistoryFileName,
                   "\xEF\xBB\xBF ik2abc # jn45ll # 20200719\r\n"
                   "\r\n"
                   "ZZ9XA#JN45LL\r\n"
                   "ZZ9XA#JN45LL#20200231\r\n"
                   "ZZ9XA#JN45LL#20200719#X\r\n"
                   "Z9#JN45LL#20200719\r\n"
                   "ZZ9XA#JN4#LL#20200719\r\n"
                   "ZZ9XB#JN45LL#20200719\nZZ9XB#JN45LM#20200720\rZZ9XB#JN45LN#20200718\r\n"
                   "\x00\xFF\x81#\x01#\r\n"
                   "ZZ9XC#JN45LL#20240229"s);
    CallHistory history;
    history.load(fake.platform());
    EXPECT_EQ(history.skipped_lines(), 6u);
    EXPECT_TRUE(history.add(fake.platform(), {{"zz9xd", "jn45lx", "20200801"}}));
    EXPECT_EQ(fake.dir.read(kHistoryFileName),
              "IK2ABC#JN45LL#20200719\r\nZZ9XB#JN45LM#20200720\r\nZZ9XC#JN45LL#20240229\r\n"
              "ZZ9XD#JN45LX#20200801\r\n");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST(CallHistory, AnUnreadableOrUnwritableFileIsToldAndNothingChanges) {
    FakePlatform fake;
    fake.dir.block(kHistoryFileName);
    CallHistory history;
    history.load(fake.platform());
    const auto read_error =
        critical("Impossibile leggere il file " + fake.dir.file(kHistoryFileName));
    EXPECT_EQ(fake.messages.shown, std::vector{read_error});
    EXPECT_FALSE(history.add(fake.platform(), {{"ZZ9XA", "JN45LL", "20200719"}}));
    EXPECT_EQ(fake.messages.shown, std::vector({read_error, read_error}));  // tried again

    FakePlatform writing;
    history.load(writing.platform());
    writing.dir.block(kHistoryFileName);
    EXPECT_FALSE(import_history(writing.platform(), history, {data("history/zelora.edi")}));
    EXPECT_EQ(writing.messages.shown, std::vector{critical("Impossibile scrivere il file " +
                                                           writing.dir.file(kHistoryFileName))});
    EXPECT_EQ(history.size(), 0u);
}

TEST(CallHistory, TheContestsQsosBecomeEntriesWithTheirDayAndTime) {
    std::vector<QsoRecord> qsos(2);
    for (QsoRecord& qso : qsos) {
        qso.date = "19/07/20";
        qso.time = "07.20";
        qso.callsign = "ZZ9XA/P";
    }
    qsos[0].locator = "JN45LL";
    qsos[1].locator = "JN4";
    EXPECT_EQ(history_entries(qsos),
              (std::vector<HistoryEntry>{{"ZZ9XA/P", "JN45LL", "20200719", "0720"}}));
}

// A history large enough for bitmaps: half the callsigns share "IK2QRP", a third end in "/P".
TEST(CallHistory, PartialSearchFindsWhatAPlainScanFinds) {
    FakePlatform fake;
    std::string file;
    for (int n = 0; n < 6000; ++n) {
        std::string callsign = n % 2 == 0 ? "IK2QRP" : "DL" + std::to_string(n % 10);
        for (int rest = n, i = 0; i < 3; ++i, rest /= 26) callsign += char('A' + rest % 26);
        file += callsign + (n % 3 == 0 ? "/P" : "") + "#JN45LL#20200719\r\n";
    }
    fake.dir.write(kHistoryFileName, file);
    CallHistory history;
    history.load(fake.platform());
    ASSERT_EQ(history.size(), 6000u);
    for (const char* text :
         {"I",   "/",     "P",           "DL",          "/P",    "Q",     "ZZ",
          "IK2", "K2Q",   "ABA",         "IK2QRP",      "2QRP",  "QRPA",  "IK2QRPAB",
          "DL3", "DL3BA", "RPZZ",        "P/P",         "QRP/P", "ABC/P", "A/P",
          "ik2", "I K",   "IK2QRPABC/P", "IK2QRPABC/PX"}) {
        for (const std::size_t limit : {1u, 10u, 6000u}) {
            std::vector<HistoryStation> scanned;
            for (std::size_t i = 0; i < history.size() && scanned.size() < limit; ++i) {
                if (history.station(i).callsign.find(text) != std::string_view::npos)
                    scanned.push_back(history.station(i));
            }
            EXPECT_EQ(history.containing(text, limit), scanned) << text << " " << limit;
        }
    }
}

}  // namespace
}  // namespace zelora
