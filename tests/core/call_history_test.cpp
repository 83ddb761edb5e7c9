// The call history: storico.txt, the import of EDI and ADIF logs, the contest's QSOs learned.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/files.h"
#include "core/qso_lines.h"
#include "store/call_history.h"
#include "store/history_import.h"
#include "support/fakes.h"
#include "support/table.h"

namespace zelora {
namespace {

using testing::critical;
using testing::FakePlatform;
using Strings = std::vector<std::string>;

std::string data(const std::string& name) {
    return std::string(ZELORA_TEST_DATA) + "/" + name;
}

TEST(CallHistory, LogsAndHandEditedHistoriesAreReadAsTheTableSays) {
    for (const auto& row : testing::read_table(data("history/reading.txt"))) {
        SCOPED_TRACE(row.where);
        if (row.in[0] == "import") {
            const HistoryImport import = read_history_files({data(row.in[1])});
            EXPECT_EQ(row.out, (Strings{std::to_string(import.files_read),
                                        std::to_string(import.entries.size()),
                                        std::to_string(import.skipped)}));
            continue;
        }
        FakePlatform fake;
        fake.dir.write(kHistoryFileName, row.in[1]);
        CallHistory history;
        history.load(fake.platform());
        EXPECT_EQ(row.out, (Strings{std::to_string(history.skipped_lines()), history.text()}));
        EXPECT_TRUE(fake.messages.shown.empty());
    }
}

// Also: a history that cannot be written is told alone and stays as it was.
TEST(CallHistory, AnImportSavesTheNewestQsoOfEachCallsignAndTellsItInOneMessage) {
    FakePlatform fake;
    const std::string held =
        "HB9ABC#JN47XX#20210612\r\n"    // the same day as the import: stays
        "IK2ABC/P#JN45AA#20220101\r\n"  // newer than the import: stays
        "ZZ9XA#JN00AA#20000101\r\n"     // older: replaced
        "ZZ9ZZZ#JN99AA#20100101\r\n";
    fake.dir.write(kHistoryFileName, held);
    CallHistory history;
    history.load(fake.platform());
    const Strings files = {data("history/zelora.edi"), data("history/other_logger.edi"),
                           data("history/log.adi"), data("history/missing.edi"),
                           data("history/empty.edi")};
    std::filesystem::remove(fake.dir.file(kHistoryFileName));
    fake.dir.block(kHistoryFileName);
    EXPECT_FALSE(import_history(fake.platform(), history, files));
    EXPECT_EQ(fake.messages.shown, std::vector{critical("Impossibile scrivere il file " +
                                                        fake.dir.file(kHistoryFileName))});
    EXPECT_EQ(history.text(), held);
    std::filesystem::remove_all(fake.dir.file(kHistoryFileName));
    fake.messages.shown.clear();
    EXPECT_TRUE(import_history(fake.platform(), history, files));
    EXPECT_EQ(fake.messages.shown, std::vector{critical("Importati 11 nominativi da 3 file\n"
                                                        "File non letti: missing.edi, empty.edi\n"
                                                        "Righe scartate: 11")});
    // Of two QSOs of one day the later; of two logs' QSOs of one callsign the newer.
    EXPECT_EQ(fake.dir.read(kHistoryFileName), *read_file(data("history/imported_storico.txt")));
}

TEST(CallHistory, AnUnreadableFileIsToldAtEachTryAndNotWrittenOver) {
    FakePlatform fake;
    fake.dir.block(kHistoryFileName);
    CallHistory history;
    history.load(fake.platform());
    EXPECT_FALSE(history.add(fake.platform(), {{"ZZ9XA", "JN45LL", "20200719"}}));
    const auto told = critical("Impossibile leggere il file " + fake.dir.file(kHistoryFileName));
    EXPECT_EQ(fake.messages.shown, std::vector({told, told}));
}

// As parziale.db keeps them; a QSO without a locator the history reads is left out.
TEST(CallHistory, TheContestsQsosBecomeEntriesWithTheirDayAndTime) {
    EXPECT_EQ(
        history_entries({qso_from_edi_line("200719;0720;ZZ9XA/P;1;59;001;59;005;;JN45LL;1;;;;"),
                         qso_from_edi_line("200719;0721;ZZ9XB;1;59;002;59;006;;JN4;1;;;;")}),
        (std::vector<HistoryEntry>{{"ZZ9XA/P", "JN45LL", "20200719", "0720"}}));
}

}  // namespace
}  // namespace zelora
