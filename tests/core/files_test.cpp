#include "base/files.h"
#include "core/notices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/fakes.h"

namespace zelora {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> names_in(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// What may stand beside or in place of the file when it is replaced.
TEST(ReplaceFile, KeepsPermissionsAndIgnoresLeftovers) {
    const struct {
        const char* name;
        void (*prepare)(const testing::TempDir& dir);
        fs::perms perms;  // of the new file
    } cases[] = {
        {"new file", [](const testing::TempDir&) {}, fs::perms::none},
        {"old file's bits kept",
         [](const testing::TempDir& dir) {
             dir.write("f.txt", "old");
             fs::permissions(dir.file("f.txt"), fs::perms::owner_read | fs::perms::owner_write |
                                                    fs::perms::group_read);
         },
         fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read},
        {"leftover temporary file and directory",
         [](const testing::TempDir& dir) {
             dir.block("f.txt.tmp");
             dir.write("f.txt.1.tmp", "crash");
         },
         fs::perms::none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        c.prepare(dir);
        const std::vector<std::string> before = names_in(dir.path());
        ASSERT_TRUE(replace_file(dir.file("f.txt"), std::string("new\0\r\n", 6)));
        EXPECT_EQ(dir.read("f.txt"), std::string("new\0\r\n", 6));
        if (c.perms != fs::perms::none) {
            EXPECT_EQ(fs::status(dir.file("f.txt")).permissions() & fs::perms::all, c.perms);
        }
        std::vector<std::string> after = names_in(dir.path());
        std::erase(after, "f.txt");
        std::vector<std::string> expected = before;
        std::erase(expected, "f.txt");
        EXPECT_EQ(after, expected);  // no temporary file left behind
    }
}

// A link planted beside the file: the file it points to is never written through it.
TEST(ReplaceFile, PlantedLinksAreNeverFollowedAndAFailureLeavesNothing) {
    testing::TempDir dir;
    testing::TempDir elsewhere;
    elsewhere.write("victim", "safe");
    fs::create_symlink(elsewhere.file("victim"), dir.file("f.txt.tmp"));
    ASSERT_TRUE(replace_file(dir.file("f.txt"), "new"));
    EXPECT_EQ(elsewhere.read("victim"), "safe");
    EXPECT_EQ(dir.read("f.txt"), "new");

    dir.block("g.txt");  // a directory in the file's place cannot be replaced
    EXPECT_FALSE(replace_file(dir.file("g.txt"), "new"));
    EXPECT_EQ(names_in(dir.file("g.txt")), std::vector<std::string>{"keep"});
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"f.txt", "f.txt.tmp", "g.txt"}));
}

}  // namespace
}  // namespace zelora
