#pragma once
// One device on a worker thread of its own. The worker alone touches the device library's handle
// (through a Link, below); the window thread only copies the last published state and leaves
// new settings and commands in a mailbox, so it never waits for the device.
//
// A Link, used by the worker only:
//   using State = RadioState or RotatorState;  using Command = ...;
//   explicit Link(const std::atomic<bool>& stopping);  // checked between library calls
//   bool is_open() const;
//   DeviceFault open(const DeviceSettings&, State&);  // opens and reads the device once
//   DeviceFault poll(State&);                         // reads the device again
//   DeviceFault execute(const Command&, State&);      // refused: still open
//   void close();                                     // also after a failed open
//
// Shutting down: the worker checks the stop flag between library calls, and every call is kept
// short (timeouts of half a second to a second), so it ends in well under a second. A call can
// still take longer (a missing serial device is retried for two seconds inside the library), and
// quitting must not wait for it: after kStopWait the destructor detaches the worker instead of
// joining it. That is safe because everything the worker touches is its own: the mailbox is owned
// jointly through a shared_ptr, the Link and the library handle live on the worker's stack, and it
// never touches the object that started it. It finishes the call, releases the handle, and ends.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include <pthread.h>
#include <signal.h>

#include "base/station_devices.h"

namespace zelora::devices {

using SteadyClock = std::chrono::steady_clock;

inline constexpr auto kPollInterval = std::chrono::seconds(1);
inline constexpr auto kRetryInterval = std::chrono::seconds(3);
// A connected device that has not answered for this long is shown as not connected, even while
// a call to it is still waiting.
inline constexpr auto kSilenceLimit = std::chrono::milliseconds(2500);
// Two devices stopped one after the other stay under a second.
inline constexpr auto kStopWait = std::chrono::milliseconds(300);

// The state of a device that is gone: nothing of what it last said stays, so a stale frequency
// or heading cannot be taken for a live one.
inline RadioState lost(const RadioState& last, DeviceFault fault) {
    RadioState state;
    state.fault = fault;
    state.model_name = last.model_name;
    return state;
}
inline RotatorState lost(const RotatorState& last, DeviceFault fault) {
    RotatorState state;
    state.fault = fault;
    state.model_name = last.model_name;
    state.min_azimuth = last.min_azimuth;
    state.max_azimuth = last.max_azimuth;
    return state;
}

template <typename State, typename Command>
struct Mailbox {
    std::mutex mutex;
    std::condition_variable wake;  // both ways: new work for the worker, the worker finished
    // Guarded by mutex.
    State state;
    SteadyClock::time_point last_answer;
    std::uint64_t generation = 0;  // counts new settings: a state of older ones is not published
    std::optional<DeviceSettings> settings;  // not yet taken by the worker
    std::optional<Command> command;          // the latest one only
    bool finished = false;
    // Set under the mutex, read by the worker between library calls without it.
    std::atomic<bool> stopping = false;
};

template <typename Link>
using MailboxOf = Mailbox<typename Link::State, typename Link::Command>;

// The worker's loop: open when due, poll when due, run commands as they come.
template <typename Link>
void serve(Link& link, MailboxOf<Link>& box) {
    using State = typename Link::State;
    DeviceSettings settings;
    State state;
    std::uint64_t generation = 0;
    SteadyClock::time_point next_attempt;
    SteadyClock::time_point next_poll;
    std::unique_lock lock(box.mutex);
    for (;;) {
        const auto pending = [&] { return box.stopping || box.settings || box.command; };
        if (settings.model == 0)
            box.wake.wait(lock, pending);
        else
            box.wake.wait_until(lock, link.is_open() ? next_poll : next_attempt, pending);
        if (box.stopping) return;
        const std::optional<DeviceSettings> changed = std::exchange(box.settings, std::nullopt);
        // A command for a device that is not connected is dropped with the rest.
        const std::optional<typename Link::Command> command =
            std::exchange(box.command, std::nullopt);
        generation = box.generation;
        lock.unlock();

        if (changed) {
            link.close();
            settings = *changed;
            state = State{};
            next_attempt = SteadyClock::now();
        }
        DeviceFault fault = DeviceFault::none;  // one that closes the device
        bool answered = false;
        if (link.is_open() && command) {
            const DeviceFault result = link.execute(*command, state);
            answered = result == DeviceFault::none || result == DeviceFault::refused;
            if (answered)
                state.fault = result;
            else
                fault = result;
        }
        const auto now = SteadyClock::now();
        if (link.is_open() && fault == DeviceFault::none && now >= next_poll) {
            fault = link.poll(state);
            answered = fault == DeviceFault::none;
            next_poll = SteadyClock::now() + kPollInterval;
        } else if (!link.is_open() && settings.model != 0 && now >= next_attempt) {
            state = State{};
            fault = link.open(settings, state);
            answered = fault == DeviceFault::none;
            next_poll = SteadyClock::now() + kPollInterval;
        }
        if (fault != DeviceFault::none) {
            link.close();
            state = lost(state, fault);
            next_attempt = SteadyClock::now() + kRetryInterval;
        }

        lock.lock();
        if (generation == box.generation) {
            box.state = state;
            if (answered) box.last_answer = SteadyClock::now();
        }
    }
}

template <typename Link>
void run_worker(std::shared_ptr<MailboxOf<Link>> box) {
    // A write to a daemon that has gone raises SIGPIPE in the writing thread; blocked here, the
    // write fails with EPIPE instead of ending the program.
    sigset_t broken_pipe;
    sigemptyset(&broken_pipe);
    sigaddset(&broken_pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &broken_pipe, nullptr);
    {
        Link link(box->stopping);
        serve(link, *box);
    }  // the handle is released before the owner hears that the worker is done
    std::lock_guard lock(box->mutex);
    box->finished = true;
    box->wake.notify_all();
}

// The window thread's side: the mailbox, and the worker started on the first device chosen.
template <typename Link>
class DeviceThread {
  public:
    using State = typename Link::State;

    DeviceThread() = default;
    DeviceThread(const DeviceThread&) = delete;
    DeviceThread& operator=(const DeviceThread&) = delete;

    ~DeviceThread() {
        if (!worker_.joinable()) return;
        std::unique_lock lock(box_->mutex);
        box_->stopping = true;
        box_->wake.notify_all();
        const bool finished = box_->wake.wait_for(lock, kStopWait, [&] { return box_->finished; });
        lock.unlock();
        if (finished)
            worker_.join();  // it has nothing left to do but return
        else
            worker_.detach();  // safe: see the top of this file
    }

    void use(const DeviceSettings& settings) {
        if (settings == settings_) return;
        settings_ = settings;
        {
            std::lock_guard lock(box_->mutex);
            ++box_->generation;
            box_->settings = settings;
            box_->command.reset();
            box_->state = State{};
        }
        box_->wake.notify_all();
        if (settings.model == 0 || worker_.joinable()) return;
        try {
            worker_ = std::thread(run_worker<Link>, box_);
        } catch (const std::system_error&) {
            settings_ = DeviceSettings{};  // the same settings try again
            std::lock_guard lock(box_->mutex);
            box_->state.fault = DeviceFault::cannot_open;
        }
    }

    void send(const typename Link::Command& command) {
        {
            std::lock_guard lock(box_->mutex);
            box_->command = command;
        }
        box_->wake.notify_all();
    }

    State state() const {
        std::lock_guard lock(box_->mutex);
        if (box_->state.connected && SteadyClock::now() - box_->last_answer > kSilenceLimit)
            return lost(box_->state, DeviceFault::no_answer);
        return box_->state;
    }

  private:
    std::shared_ptr<MailboxOf<Link>> box_ = std::make_shared<MailboxOf<Link>>();
    DeviceSettings settings_;  // the window thread's own copy
    std::thread worker_;
};

}  // namespace zelora::devices
