#include "hamlib/hamlib_devices.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include <hamlib/rig.h>
#include <hamlib/rotator.h>

#include "hamlib/device_thread.h"

namespace zelora {
namespace {

using devices::DeviceThread;

// Hamlib's model tables are shared by every handle: handles are made and freed one at a time.
std::mutex& library_tables() {
    static std::mutex mutex;
    return mutex;
}

void prepare_library() {
    static std::once_flag once;
    std::call_once(once, [] {
        rig_set_debug(RIG_DEBUG_NONE);  // it would write to the program's stderr
        rig_load_all_backends();
        rot_load_all_backends();
    });
}

std::string text_of(const char* text) {
    return text ? text : "";
}

int number_of(const rig_caps& caps) {
    return static_cast<int>(caps.rig_model);
}
int number_of(const rot_caps& caps) {
    return static_cast<int>(caps.rot_model);
}

// The models of one of Hamlib's lists (rig_list_foreach, rot_list_foreach), by maker and name.
template <typename Caps>
std::vector<DeviceModel> models_of(int (*for_each)(int (*)(const Caps*, rig_ptr_t), rig_ptr_t)) {
    prepare_library();
    std::vector<DeviceModel> models;
    {
        std::lock_guard lock(library_tables());
        for_each(
            [](const Caps* caps, rig_ptr_t list) {
                static_cast<std::vector<DeviceModel>*>(list)->push_back(
                    {number_of(*caps), text_of(caps->mfg_name), text_of(caps->model_name)});
                return 1;  // go on
            },
            &models);
    }
    std::sort(models.begin(), models.end(), [](const DeviceModel& a, const DeviceModel& b) {
        return std::tie(a.maker, a.name, a.number) < std::tie(b.maker, b.name, b.number);
    });
    return models;
}

bool unsupported(int result) {
    return result == -RIG_ENIMPL || result == -RIG_ENAVAIL;
}

DeviceFault failure(int result, bool opening) {
    switch (std::abs(result)) {
        case RIG_ETIMEOUT:
            return DeviceFault::no_answer;
        case RIG_EPROTO:
        case RIG_ETRUNC:
            return DeviceFault::bad_answer;
        default:
            return opening ? DeviceFault::cannot_open : DeviceFault::no_answer;
    }
}

// The calls that make, open, close and free a Hamlib handle, for radios and for rotators.
struct RadioCalls {
    using Handle = RIG;
    static constexpr auto init = rig_init;
    static constexpr auto cleanup = rig_cleanup;
    static constexpr auto open = rig_open;
    static constexpr auto close = rig_close;
    static constexpr auto lookup = rig_token_lookup;
    static constexpr auto set = rig_set_conf;
    static constexpr const char* path_key = "rig_pathname";
};
struct RotatorCalls {
    using Handle = ROT;
    static constexpr auto init = rot_init;
    static constexpr auto cleanup = rot_cleanup;
    static constexpr auto open = rot_open;
    static constexpr auto close = rot_close;
    static constexpr auto lookup = rot_token_lookup;
    static constexpr auto set = rot_set_conf;
    static constexpr const char* path_key = "rot_pathname";
};

// One Hamlib handle: made for a model, opened on the settings' port, closed and freed.
template <typename Calls>
class Handle {
  public:
    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }

    typename Calls::Handle* get() const { return handle_; }
    bool is_open() const { return open_; }

    // The model's name goes to `model_name` as soon as the model is known.
    DeviceFault open(const DeviceSettings& settings, std::string& model_name) {
        prepare_library();
        {
            std::lock_guard lock(library_tables());
            handle_ = Calls::init(settings.model);
        }
        if (!handle_) return DeviceFault::unknown_model;
        model_name = text_of(handle_->caps->model_name);
        if (!configure(settings)) return DeviceFault::cannot_open;
        const int result = Calls::open(handle_);
        if (result != RIG_OK) return failure(result, true);
        open_ = true;
        return DeviceFault::none;
    }

    void close() {
        if (!handle_) return;
        if (open_) Calls::close(handle_);
        open_ = false;
        std::lock_guard lock(library_tables());
        Calls::cleanup(handle_);
        handle_ = nullptr;
    }

  private:
    // Each exchange is kept short, so that a device that has gone shows at once and quitting
    // never waits long: a network daemon answers in milliseconds or not at all; a serial device
    // gets its model's own timeout within a second, and one retry.
    bool configure(const DeviceSettings& settings) {
        const auto put = [&](const char* key, const std::string& value) {
            const token_t token = Calls::lookup(handle_, key);
            return token != RIG_CONF_END && Calls::set(handle_, token, value.c_str()) == RIG_OK;
        };
        // A longer name would be cut short by the library and open another device.
        if (settings.port.size() >= HAMLIB_FILPATHLEN) return false;
        const auto& caps = *handle_->caps;
        const bool network =
            caps.port_type == RIG_PORT_NETWORK || caps.port_type == RIG_PORT_UDP_NETWORK ||
            (settings.port.find(':') != std::string::npos && !settings.port.starts_with("/"));
        const int timeout = network ? 500 : std::clamp(caps.timeout, 200, 1000);
        const int retries = network ? 0 : std::clamp(caps.retry, 0, 1);
        if (!settings.port.empty() && !put(Calls::path_key, settings.port)) return false;
        if (!put("timeout", std::to_string(timeout)) || !put("retry", std::to_string(retries)))
            return false;
        if (caps.port_type == RIG_PORT_SERIAL && !network && settings.speed > 0)
            return put("serial_speed", std::to_string(settings.speed));
        return true;
    }

    typename Calls::Handle* handle_ = nullptr;
    bool open_ = false;
};

class RadioLink {
  public:
    using State = RadioState;
    struct Command {};  // the radio is only read

    explicit RadioLink(const std::atomic<bool>& stopping) : stopping_(stopping) {}

    bool is_open() const { return rig_.is_open(); }
    void close() { rig_.close(); }

    DeviceFault open(const DeviceSettings& settings, RadioState& state) {
        const DeviceFault fault = rig_.open(settings, state.model_name);
        return fault == DeviceFault::none ? poll(state) : fault;
    }

    DeviceFault poll(RadioState& state) {
        if (stopping_) return DeviceFault::no_answer;
        freq_t frequency = 0;
        const int frequency_result = rig_get_freq(rig_.get(), RIG_VFO_CURR, &frequency);
        if (frequency_result != RIG_OK && !unsupported(frequency_result))
            return failure(frequency_result, false);
        if (frequency_result == RIG_OK && !(std::isfinite(frequency) && frequency >= 0 &&
                                            frequency < 1e12))  // beyond a terahertz: garbage
            return DeviceFault::bad_answer;
        if (stopping_) return DeviceFault::no_answer;
        rmode_t mode = RIG_MODE_NONE;
        pbwidth_t width = 0;
        const int mode_result = rig_get_mode(rig_.get(), RIG_VFO_CURR, &mode, &width);
        if (mode_result != RIG_OK && !unsupported(mode_result)) return failure(mode_result, false);
        state.connected = true;
        state.frequency_hz = frequency_result == RIG_OK ? std::llround(frequency) : 0;
        state.mode = mode_result == RIG_OK ? text_of(rig_strrmode(mode)) : "";
        return DeviceFault::none;
    }

    DeviceFault execute(const Command&, RadioState&) { return DeviceFault::none; }

  private:
    const std::atomic<bool>& stopping_;
    Handle<RadioCalls> rig_;
};

struct RotatorCommand {
    bool stop = false;
    double heading = 0;  // where to turn, unless stop
};

class RotatorLink {
  public:
    using State = RotatorState;
    using Command = RotatorCommand;

    explicit RotatorLink(const std::atomic<bool>& stopping) : stopping_(stopping) {}

    bool is_open() const { return rot_.is_open(); }
    void close() { rot_.close(); }

    DeviceFault open(const DeviceSettings& settings, RotatorState& state) {
        const DeviceFault fault = rot_.open(settings, state.model_name);
        if (fault != DeviceFault::none) return fault;
        // The range as opened (a network daemon tells its own rotator's): where it was the
        // model's, a range that cannot be used came from the device.
        const rot_state& opened = rot_.get()->state;
        if (!(std::isfinite(opened.min_az) && std::isfinite(opened.max_az) &&
              opened.min_az < opened.max_az))
            return DeviceFault::bad_answer;
        state.min_azimuth = opened.min_az;
        state.max_azimuth = opened.max_az;
        // A contest is worked at the horizon: elevation 0, or the nearest the rotator allows.
        elevation_ = 0;
        if (std::isfinite(opened.min_el) && std::isfinite(opened.max_el) &&
            opened.min_el <= opened.max_el)
            elevation_ = std::clamp(0.0f, opened.min_el, opened.max_el);
        return poll(state);
    }

    DeviceFault poll(RotatorState& state) {
        if (stopping_) return DeviceFault::no_answer;
        azimuth_t azimuth = 0;
        elevation_t elevation = 0;
        const int result = rot_get_position(rot_.get(), &azimuth, &elevation);
        if (unsupported(result)) {
            state.connected = true;
            state.azimuth.reset();
            return DeviceFault::none;
        }
        if (result != RIG_OK) return failure(result, false);
        // Past a turn beyond either side is no rotator's: the answer was misread.
        if (!std::isfinite(azimuth) || azimuth < -360 || azimuth > 720)
            return DeviceFault::bad_answer;
        state.connected = true;
        state.azimuth = azimuth;
        return DeviceFault::none;
    }

    DeviceFault execute(const RotatorCommand& command, RotatorState& state) {
        if (stopping_) return DeviceFault::no_answer;
        int result = RIG_OK;
        if (command.stop) {
            result = rot_stop(rot_.get());
        } else {
            const double target = rotator_target(command.heading, state.min_azimuth,
                                                 state.max_azimuth, state.azimuth);
            result = rot_set_position(rot_.get(), static_cast<azimuth_t>(target), elevation_);
        }
        if (result == RIG_OK) return DeviceFault::none;
        switch (std::abs(result)) {
            case RIG_EINVAL:
            case RIG_ERJCTED:
            case RIG_ENIMPL:
            case RIG_ENAVAIL:
            case RIG_EDOM:
                return DeviceFault::refused;
            default:
                return failure(result, false);
        }
    }

  private:
    const std::atomic<bool>& stopping_;
    Handle<RotatorCalls> rot_;
    elevation_t elevation_ = 0;
};

class HamlibRadio final : public Radio {
  public:
    const std::vector<DeviceModel>& models() const override {
        static const std::vector<DeviceModel> models = models_of(rig_list_foreach);
        return models;
    }
    void use(const DeviceSettings& settings) override { worker_.use(settings); }
    RadioState state() const override { return worker_.state(); }

  private:
    DeviceThread<RadioLink> worker_;
};

class HamlibRotator final : public Rotator {
  public:
    const std::vector<DeviceModel>& models() const override {
        static const std::vector<DeviceModel> models = models_of(rot_list_foreach);
        return models;
    }
    void use(const DeviceSettings& settings) override { worker_.use(settings); }
    RotatorState state() const override { return worker_.state(); }
    void turn_to(double heading) override {
        if (std::isfinite(heading)) worker_.send({.stop = false, .heading = heading});
    }
    void stop() override { worker_.send({.stop = true}); }

  private:
    DeviceThread<RotatorLink> worker_;
};

}  // namespace

std::unique_ptr<Radio> make_hamlib_radio() {
    return std::make_unique<HamlibRadio>();
}
std::unique_ptr<Rotator> make_hamlib_rotator() {
    return std::make_unique<HamlibRotator>();
}

}  // namespace zelora
