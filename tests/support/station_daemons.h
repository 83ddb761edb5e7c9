#pragma once
// Hamlib's daemons with their dummy devices on loopback, for the device tests and the device
// benchmark.

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelora::testing {

inline sockaddr_in loopback(int port) {
    return {.sin_family = AF_INET,
            .sin_port = htons(static_cast<std::uint16_t>(port)),
            .sin_addr = {htonl(INADDR_LOOPBACK)},
            .sin_zero = {}};
}

// A listening socket on a loopback port of the system's choosing. Never accepting, it still
// takes connections (the system does) and never answers: a daemon that has hung.
inline int listen_on() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(fd, SOMAXCONN);
    return fd;
}

inline int port_of(int fd) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

// A loopback port nothing listens on now.
inline int free_port() {
    const int fd = listen_on();
    const int port = port_of(fd);
    ::close(fd);
    return port;
}

inline bool accepting(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopback(port);
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

// Starts a program with its output discarded; its process id.
inline pid_t spawn(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// "rigctld -m 1 -T 127.0.0.1 -t PORT" or rotctld with its dummy device on a free port, killed at
// the end; started again on the same port after kill().
class Daemon {
  public:
    explicit Daemon(std::string program, std::vector<std::string> options = {})
        : program_(std::move(program)), options_(std::move(options)) {
        start();
    }
    ~Daemon() { kill(); }
    Daemon(const Daemon&) = delete;
    Daemon& operator=(const Daemon&) = delete;

    // Whether it accepts connections within three seconds.
    bool start() {
        std::vector<std::string> arguments{
            program_, "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port_)};
        arguments.insert(arguments.end(), options_.begin(), options_.end());
        pid_ = spawn(arguments);
        for (int wait = 0; pid_ > 0 && wait < 300; ++wait) {
            if (accepting(port_)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }

  private:
    std::string program_;
    std::vector<std::string> options_;
    int port_ = free_port();
    pid_t pid_ = -1;
};

}  // namespace zelora::testing
