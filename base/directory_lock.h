#pragma once
// One copy of the program per directory: two copies saving parziale.db in turn lose QSOs.

#include <string>

namespace zelora {

inline constexpr const char* kLockFileName = "zelora.lock";

// An exclusive lock on the lock file of `directory`, held while this object lives. The system
// releases it when the process ends in any way, so a killed program never leaves the directory
// locked.
class DirectoryLock {
  public:
    explicit DirectoryLock(const std::string& directory);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    // False when another process (or another lock of this one) holds the directory. A lock file
    // that cannot be created at all (a read-only directory) does not stop the program: its
    // files will say what cannot be written.
    bool taken() const { return taken_; }

  private:
    int fd_ = -1;
    bool taken_ = false;
};

}  // namespace zelora
