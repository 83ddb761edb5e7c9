#include "base/directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "base/files.h"

namespace zelora {

DirectoryLock::DirectoryLock(const std::string& directory) {
    // The file is opened, never written: a second copy changes nothing in the directory.
    fd_ = ::open(path_in(directory, kLockFileName).c_str(),
                 O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        taken_ = true;
        return;
    }
    taken_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

DirectoryLock::~DirectoryLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace zelora
