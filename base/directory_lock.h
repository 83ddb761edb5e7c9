#pragma once
// One copy of the program per directory: two copies saving parziale.db in turn lose QSOs.

#include <string>

namespace zelora {

// An exclusive lock on `directory` itself, held while this object lives. The system releases it
// when the process ends in any way, so a killed program never leaves the directory locked. No
// file in the directory takes part: nothing put there (a read-only file, a link, a directory)
// can let a second copy in.
class DirectoryLock {
  public:
    explicit DirectoryLock(const std::string& directory);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    bool taken() const { return state_ == State::taken; }
    // Another process (or another lock of this one) holds the directory. When the lock is
    // neither taken nor held elsewhere, it could not be taken at all (the directory cannot be
    // opened, the file system keeps no locks): no copy may write there unguarded either.
    bool held_elsewhere() const { return state_ == State::held_elsewhere; }

  private:
    enum class State { taken, held_elsewhere, failed };
    int fd_ = -1;
    State state_ = State::failed;
};

}  // namespace zelora
