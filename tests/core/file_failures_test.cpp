// Nothing accepted is lost when a file fails: QSOs that parziale.db could not take stay in the
// window and are told, an unreadable contest is kept, read-only files and the program's own
// files are never replaced, one copy holds the folder, and what a crash left is cleared away.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/directory_lock.h"
#include "support/contest_session.h"
#include "support/unprivileged.h"
#include "windows/edi_save_screen.h"
#include "windows/start_screen.h"

namespace zelora {
namespace {

namespace fs = std::filesystem;
using testing::critical;
using testing::information;
using Strings = std::vector<std::string>;
constexpr auto npos = std::string::npos;

TEST(FileFailures, UnsavedQsosStayInTheWindowUntilTheFolderTakesThem) {
    testing::ContestSession s;
    MainLogScreen& m = s.main();
    testing::RecordingMessages& messages = s.fake.messages;
    const std::string path = s.fake.dir.file("parziale.db");
    const auto fail_saves = [&] {
        fs::remove_all(path);
        s.fake.dir.block("parziale.db");
    };
    testing::log_qso(m, "ZZ9AAA", "001", "JN61FV");
    fail_saves();
    testing::log_qso(m, "ZZ9BBB", "001", "JN61FV");
    testing::log_qso(m, "ZZ9CCC", "001", "JN61FV");
    m.RetrySave();
    const testing::ShownMessage failure = critical("Impossibile scrivere il file " + path);
    EXPECT_EQ(messages.shown, std::vector{failure});  // told once, then shown in the window
    EXPECT_TRUE(m.Label55.visible());
    EXPECT_EQ(m.Label55.text(), "parziale.db NON salvato");

    // "Esci" (and the close box) and Back to start ask; "No", the default, keeps everything.
    m.Command3_Click();
    m.Command10_Click();
    const std::string question = "Gli ultimi QSO non sono salvati nel file " + path +
                                 ": chiudendo ora andranno persi. Chiudere comunque?";
    EXPECT_EQ(messages.asked, (Strings{question, question}));
    EXPECT_FALSE(s.open(WindowId::start));
    EXPECT_EQ(m.Text12.size(), 3u);

    fs::remove_all(path);  // the folder takes files again: the next retry saves everything
    m.RetrySave();
    EXPECT_FALSE(m.Label55.visible());
    EXPECT_NE(s.fake.dir.read("parziale.db").find("CONTEST_QSO 3\r\nCONTEST_QRB 1050\r\n"), npos);

    fail_saves();
    testing::log_qso(m, "ZZ9DDD", "001", "JN61FV");
    messages.answer = true;  // "Si": the operator lets this contest go
    m.Command10_Click();
    EXPECT_EQ(messages.shown, (std::vector{failure, failure}));
    EXPECT_EQ(messages.asked.size(), 3u);
    EXPECT_TRUE(s.windows->find(WindowId::start)->visible());
    EXPECT_FALSE(s.open(WindowId::main_log));
}

TEST(FileFailures, AnUnreadableContestIsKeptAsideAndNeverReplaced) {
    testing::as_ordinary_user([] {
        const std::string contest = "QSO# 004\r\nCONTEST_QSO 3\r\n";
        testing::ContestSession s(testing::kStationConfig, {{"parziale.db", contest}});
        const std::string path = s.fake.dir.file("parziale.db");
        const std::string aside = s.fake.dir.file("parziale-illeggibile.db");
        fs::permissions(path, fs::perms::none);
        s.get<StartScreen>().Command1_Click();  // "Continua Contest"
        testing::log_qso(s.main(), "ZZ9AAA", "001", "JN61FV");
        testing::log_qso(s.main(), "ZZ9BBB", "001", "JN61FV");
        EXPECT_EQ(s.fake.messages.texts(), (Strings{"Impossibile leggere il file " + path,
                                                    "Impossibile leggere il file " + path +
                                                        ": e' stato conservato come " + aside}));
        EXPECT_NE(s.fake.dir.read("parziale.db").find("CONTEST_QSO 2\r\n"), npos);
        // A new file as any other, not the unreadable one's mode.
        EXPECT_EQ(fs::status(path).permissions(),
                  fs::status(s.fake.dir.file("config.txt")).permissions());
        fs::permissions(aside, fs::perms::owner_read);
        EXPECT_EQ(s.fake.dir.read("parziale-illeggibile.db"), contest);
    });
}

TEST(FileFailures, AReadOnlyFileIsNotReplaced) {
    testing::as_ordinary_user([] {
        testing::FakePlatform fake;
        WindowSet windows(fake.platform());
        fake.dir.write("gara.edi", "kept");
        fs::permissions(fake.dir.file("gara.edi"),
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EdiSaveScreen& save = windows.get<EdiSaveScreen>();
        save.Text1.set("[REG1TEST;1]\r\n");
        save.Text2.set("gara.edi");
        save.Command1_Click();
        EXPECT_EQ(fake.messages.shown, std::vector{critical("Impossibile scrivere il file " +
                                                            fake.dir.file("gara.edi"))});
        EXPECT_EQ(fake.dir.read("gara.edi"), "kept");
    });
}

TEST(FileFailures, NothingInTheFolderLetsASecondCopyIn) {
    testing::as_ordinary_user([] {
        using Prepare = void (*)(const testing::TempDir&);
        const std::pair<const char*, Prepare> lock_files[] = {
            {"none", [](const testing::TempDir&) {}},
            {"read-only",
             [](const testing::TempDir& d) {
                 d.write("zelora.lock", "");
                 fs::permissions(d.file("zelora.lock"), fs::perms::owner_read);
             }},
            {"unreadable",
             [](const testing::TempDir& d) {
                 d.write("zelora.lock", "");
                 fs::permissions(d.file("zelora.lock"), fs::perms::none);
             }},
            {"link",
             [](const testing::TempDir& d) { fs::create_symlink("/", d.file("zelora.lock")); }},
            {"directory", [](const testing::TempDir& d) { d.block("zelora.lock"); }},
        };
        for (const auto& [kind, prepare] : lock_files) {
            SCOPED_TRACE(kind);
            testing::TempDir dir;
            prepare(dir);
            const DirectoryLock first(dir.path());
            EXPECT_TRUE(first.taken());
            EXPECT_TRUE(DirectoryLock(dir.path()).held_elsewhere());
        }
        // A folder that cannot be locked at all is not taken either.
        testing::TempDir dir;
        fs::permissions(dir.path(), fs::perms::owner_write | fs::perms::owner_exec);
        const DirectoryLock lock(dir.path());
        EXPECT_FALSE(lock.taken());
        EXPECT_FALSE(lock.held_elsewhere());
        fs::permissions(dir.path(), fs::perms::owner_all);
    });
}

TEST(FileFailures, TheProgramsOwnFilesAreNeverALogsName) {
    testing::FakePlatform fake;
    Platform platform = fake.platform();
    platform.executable_name = "zelora";
    WindowSet windows(platform);
    EdiSaveScreen& save = windows.get<EdiSaveScreen>();
    for (const char* name : {"config.txt", "parziale.db", "iqrp.txt", "mqc.txt", "zelora.lock",
                             "zelora_qrp_statistiche.txt", "radio.txt", "storico.txt", "zelora",
                             "Config.TXT", "ZELORA"}) {
        SCOPED_TRACE(name);
        fake.dir.write(name, "mine");
        fake.messages.shown.clear();
        save.Text1.set("[REG1TEST;1]\r\n");
        save.Text2.set(name);
        save.Command1_Click();
        EXPECT_EQ(fake.messages.shown,
                  std::vector{information(std::string("Nome del file non valido: ") + name)});
        EXPECT_EQ(fake.dir.read(name), "mine");
    }
}

TEST(FileFailures, TheLongestNameTheSystemTakesSaves) {
    testing::FakePlatform fake;
    WindowSet windows(fake.platform());
    EdiSaveScreen& save = windows.get<EdiSaveScreen>();
    const std::string name = std::string(251, 'a') + ".edi";  // 255 bytes
    save.Text1.set("[REG1TEST;1]\r\n");
    save.Text2.set(name);
    save.Command1_Click();
    EXPECT_EQ(fake.messages.texts(),
              Strings{"Il Log del Contest e' stato salvato in " + fake.dir.file(name)});
    EXPECT_EQ(fake.dir.read(name), "[REG1TEST;1]\r\n");
}

TEST(FileFailures, WhatAnInterruptedSaveLeftIsRemovedAtStart) {
    // Only the program's own temporary names, as plain files, go.
    const std::pair<const char*, bool> names[] = {
        {".zelora-0123abcd.tmp", true},  {".zelora-89abcdef.tmp", true},
        {".zelora-0123ABCD.tmp", false}, {".zelora-0123abc.tmp", false},
        {"zelora-0123abcd.tmp", false},  {".zelora-0123abcd.tmp.edi", false},
        {"parziale.db.1234.tmp", false}, {".zelora-0123abcg.tmp", false},
    };
    testing::FakePlatform fake;
    fake.dir.write("config.txt", testing::kStationConfig);
    for (const auto& [name, removed] : names) fake.dir.write(name, "x");
    fake.dir.block(".zelora-00000000.tmp");  // not a file: not ours
    WindowSet windows(fake.platform());
    start_program(windows);
    for (const auto& [name, removed] : names) EXPECT_EQ(fake.dir.exists(name), !removed) << name;
    EXPECT_TRUE(fake.dir.exists(".zelora-00000000.tmp/keep"));
}

}  // namespace
}  // namespace zelora
