#pragma once
// Root ignores file modes, and the tests often run as root: what a read-only or unreadable file
// does to the program shows only to an ordinary user.

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

namespace zelora::testing {

// Runs `body`, with its own expectations, in a child process as the user "nobody" when this
// one is root (as itself otherwise); the test fails when any of them fails there.
inline void as_ordinary_user(const std::function<void()>& body) {
    std::fflush(stdout);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody || setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
                setuid(nobody->pw_uid) != 0)
                _exit(2);
        }
        umask(022);
        body();
        std::fflush(stdout);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "failed as an ordinary user (status " << status << ")";
}

}  // namespace zelora::testing
