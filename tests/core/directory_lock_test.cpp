#include "base/directory_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>

#include "support/fakes.h"

namespace zelora {
namespace {

// One holder per directory until it goes; a copy killed while holding it leaves it free.
TEST(DirectoryLock, OneHolderUntilItGoesOrIsKilled) {
    testing::TempDir dir, other;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const DirectoryLock lock(dir.path());
        const char taken = lock.taken() ? '1' : '0';
        if (write(ready[1], &taken, 1) != 1) _exit(1);
        pause();
        _exit(0);
    }
    char taken = 0;
    ASSERT_EQ(read(ready[0], &taken, 1), 1);
    EXPECT_EQ(taken, '1');
    EXPECT_FALSE(DirectoryLock(dir.path()).taken());
    EXPECT_TRUE(DirectoryLock(other.path()).taken());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    std::optional<DirectoryLock> again(std::in_place, dir.path());
    EXPECT_TRUE(again->taken());
    EXPECT_FALSE(DirectoryLock(dir.path()).taken());
    again.reset();
    EXPECT_TRUE(DirectoryLock(dir.path()).taken());
    close(ready[0]);
    close(ready[1]);
}

}  // namespace
}  // namespace zelora
