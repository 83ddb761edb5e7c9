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

namespace zelora {
namespace {

namespace fs = std::filesystem;
using testing::critical;
using testing::information;
using Strings = std::vector<std::string>;
constexpr auto npos = std::string::npos;

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

}  // namespace
}  // namespace zelora
