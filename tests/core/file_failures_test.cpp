// Nothing accepted is lost when a file fails: an unreadable contest is kept, read-only files and
// the program's own files are never replaced, and what a crash left is cleared away.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/files.h"
#include "support/contest_session.h"
#include "support/table.h"
#include "support/unprivileged.h"
#include "windows/edi_save_screen.h"
#include "windows/start_screen.h"

namespace zelora {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

TEST(FileFailures, AnUnreadableContestIsKeptAsideAndNeverReplaced) {
    testing::as_ordinary_user([] {
        const std::string contest = "QSO# 004\r\nCONTEST_QSO 3\r\n";
        testing::ContestSession s(testing::kStationConfig, {{"parziale.db", contest}});
        const std::string path = s.fake.dir.file("parziale.db");
        const std::string aside = s.fake.dir.file("parziale-illeggibile.db");
        fs::permissions(path, fs::perms::none);
        s.get<StartScreen>().Command1_Click();  // "Continua Contest"
        testing::log_qso(s.main(), "ZZ9AAA", "001", "JN61FV");
        EXPECT_EQ(s.fake.messages.texts(), (Strings{"Impossibile leggere il file " + path,
                                                    "Impossibile leggere il file " + path +
                                                        ": e' stato conservato come " + aside}));
        EXPECT_NE(s.fake.dir.read("parziale.db").find("CONTEST_QSO 1\r\n"), std::string::npos);
        fs::permissions(aside, fs::perms::owner_read);
        EXPECT_EQ(s.fake.dir.read("parziale-illeggibile.db"), contest);
    });
}

// A replaced file keeps its permission bits; one made read-only stays as it is.
TEST(FileFailures, AReadOnlyFileIsNotReplaced) {
    testing::as_ordinary_user([] {
        testing::TempDir dir;
        const fs::perms bits =
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
        const std::string bytes("new\0\r\n", 6);
        dir.write("f.txt", "old");
        dir.write("kept.txt", "kept");
        fs::permissions(dir.file("f.txt"), bits);
        fs::permissions(dir.file("kept.txt"), fs::perms::owner_read | fs::perms::group_read);
        EXPECT_TRUE(replace_file(dir.file("f.txt"), bytes));
        EXPECT_FALSE(replace_file(dir.file("kept.txt"), bytes));
        EXPECT_EQ(dir.read("f.txt"), bytes);
        EXPECT_EQ(fs::status(dir.file("f.txt")).permissions(), bits);
        EXPECT_EQ(dir.read("kept.txt"), "kept");
    });
}

// Each name of tests/data/files/names.txt is a file holding "mine" when the program "zelora"
// starts; then a log is saved under each name that is not removed or kept.
TEST(FileFailures, TheProgramsOwnNamesAtStartAndForALog) {
    const auto rows = testing::read_table(ZELORA_TEST_DATA "/files/names.txt");
    testing::FakePlatform fake;
    for (const testing::TableRow& row : rows) {
        fs::create_directories(fs::path(fake.dir.file(row.in[0])).parent_path());
        fake.dir.write(row.in[0], "mine");
    }
    Platform platform = fake.platform();
    platform.executable_name = "zelora";
    WindowSet windows(platform);
    start_program(windows);
    EdiSaveScreen& save = windows.get<EdiSaveScreen>();
    for (const testing::TableRow& row : rows) {
        SCOPED_TRACE(row.where);
        const std::string& name = row.in[0];
        EXPECT_EQ(fake.dir.exists(name), row.out[0] != "removed");
        if (row.out[0] == "removed" || row.out[0] == "kept") continue;
        const bool refused = row.out[0] == "refused";
        fake.messages.shown.clear();
        save.Text1.set("[REG1TEST;1]\r\n");
        save.Text2.set(name);
        save.Command1_Click();
        EXPECT_EQ(
            fake.messages.texts(),
            Strings{refused ? "Nome del file non valido: " + name
                            : "Il Log del Contest e' stato salvato in " + fake.dir.file(name)});
        EXPECT_EQ(fake.dir.read(name), refused ? "mine" : "[REG1TEST;1]\r\n");
    }
}

}  // namespace
}  // namespace zelora
