#include "base/directory_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "support/fakes.h"
#include "support/unprivileged.h"

namespace zelora {
namespace {

namespace fs = std::filesystem;

// One holder per directory until it goes; a copy killed while holding it leaves it free.
TEST(DirectoryLock, OneHolderUntilItGoesOrIsKilled) {
    testing::TempDir dir, other;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const DirectoryLock lock(dir.path());
        if (lock.taken() && write(ready[1], "1", 1) == 1) pause();
        _exit(1);
    }
    close(ready[1]);  // the child's end only: a child that took nothing ends the read
    char taken = 0;
    ASSERT_EQ(read(ready[0], &taken, 1), 1);
    EXPECT_TRUE(DirectoryLock(dir.path()).held_elsewhere());
    EXPECT_TRUE(DirectoryLock(other.path()).taken());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    std::optional<DirectoryLock> again(std::in_place, dir.path());
    EXPECT_TRUE(again->taken());
    EXPECT_TRUE(DirectoryLock(dir.path()).held_elsewhere());
    again.reset();
    EXPECT_TRUE(DirectoryLock(dir.path()).taken());
}

// A folder that cannot be locked at all is neither taken nor held: no copy may run there.
TEST(DirectoryLock, AFolderThatCannotBeLockedIsNotTaken) {
    testing::as_ordinary_user([] {
        testing::TempDir dir;
        fs::permissions(dir.path(), fs::perms::owner_write | fs::perms::owner_exec);
        const DirectoryLock lock(dir.path());
        EXPECT_FALSE(lock.taken() || lock.held_elsewhere());
        fs::permissions(dir.path(), fs::perms::owner_all);
    });
}

}  // namespace
}  // namespace zelora
