#include "core/window_set.h"

#include <utility>

#include "core/award_screen.h"
#include "core/main_log_screen.h"
#include "core/start_screen.h"
#include "core/station_screen.h"
#include "export/edi_header_screen.h"
#include "geo/bearing_calculator_screen.h"
#include "store/admin_screen.h"
#include "store/member_list_screen.h"

namespace zelora {

WindowSet::WindowSet(Platform platform) : platform_(std::move(platform)) {}

WindowSet::~WindowSet() = default;

template <class Screen>
Screen& WindowSet::open(WindowId id) {
    if (!slot(id)) {
        auto window = std::make_unique<Screen>(*this);
        Screen& screen = *window;
        slot(id) = std::move(window);
        screen.Form_Load();
        if (on_created && slot(id).get() == &screen) on_created(id, screen);
        return screen;
    }
    return static_cast<Screen&>(*slot(id));
}

void WindowSet::start_program() {
    main_log();
}

MainLogScreen& WindowSet::main_log() {
    return open<MainLogScreen>(WindowId::main_log);
}
EdiHeaderScreen& WindowSet::edi_header() {
    return open<EdiHeaderScreen>(WindowId::edi_header);
}
StationScreen& WindowSet::station() {
    return open<StationScreen>(WindowId::station);
}
StartScreen& WindowSet::start() {
    return open<StartScreen>(WindowId::start);
}
AwardScreen& WindowSet::award() {
    return open<AwardScreen>(WindowId::award);
}
AdminScreen& WindowSet::admin() {
    return open<AdminScreen>(WindowId::admin);
}
MemberListScreen& WindowSet::member_lists() {
    return open<MemberListScreen>(WindowId::member_lists);
}
BearingCalculatorScreen& WindowSet::calculator() {
    return open<BearingCalculatorScreen>(WindowId::bearing_calculator);
}

bool WindowSet::any_visible() const {
    for (const auto& window : windows_) {
        if (window && window->visible()) return true;
    }
    return false;
}

void WindowSet::close(WindowId id) {
    if (!slot(id)) return;
    slot(id)->Form_Unload();
    std::unique_ptr<Window> closing = std::move(slot(id));
    if (on_closed) on_closed(id);
    closing.reset();
    if (!any_open()) quit();
}

bool WindowSet::any_open() const {
    for (const auto& window : windows_) {
        if (window) return true;
    }
    return false;
}

void WindowSet::leave(WindowId id) {
    close(id);
    if (!any_visible()) quit();
}

void WindowSet::quit() {
    if (finished_) return;
    finished_ = true;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (!windows_[i]) continue;
        windows_[i].reset();
        if (on_closed) on_closed(static_cast<WindowId>(i));
    }
    if (on_quit) on_quit();
}

}  // namespace zelora
