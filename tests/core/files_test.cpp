// replace_file: what may stand beside or in place of the file when it is replaced.
#include "base/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/fakes.h"

namespace zelora {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

Names names_in(const std::string& directory) {
    Names names;
    for (const auto& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The old file's permission bits stay; leftovers of a crash neither block the write nor go,
// and no temporary file is left behind.
TEST(ReplaceFile, KeepsPermissionsAndIgnoresLeftovers) {
    testing::TempDir dir;
    const std::string bytes("new\0\r\n", 6);
    ASSERT_TRUE(replace_file(dir.file("f.txt"), "old"));
    const fs::perms bits = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir.file("f.txt"), bits);
    dir.block("f.txt.tmp");
    dir.write("f.txt.1.tmp", "crash");
    ASSERT_TRUE(replace_file(dir.file("f.txt"), bytes));
    EXPECT_EQ(dir.read("f.txt"), bytes);
    EXPECT_EQ(fs::status(dir.file("f.txt")).permissions() & fs::perms::all, bits);
    EXPECT_EQ(names_in(dir.path()), (Names{"f.txt", "f.txt.1.tmp", "f.txt.tmp"}));
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
    EXPECT_EQ(names_in(dir.file("g.txt")), Names{"keep"});
    EXPECT_EQ(names_in(dir.path()), (Names{"f.txt", "f.txt.tmp", "g.txt"}));
}

}  // namespace
}  // namespace zelora
