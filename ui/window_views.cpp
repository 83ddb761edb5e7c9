#include "ui/window_views.h"

#include <QApplication>

#include "ui/admin_window.h"
#include "ui/award_window.h"
#include "ui/bearing_calculator_window.h"
#include "ui/device_window.h"
#include "ui/edi_header_window.h"
#include "ui/edi_save_window.h"
#include "ui/main_log_window.h"
#include "ui/member_list_window.h"
#include "ui/qso_edit_window.h"
#include "ui/report_window.h"
#include "ui/start_window.h"
#include "ui/station_window.h"
#include "ui/statistics_window.h"

namespace zelora::ui {
namespace {

WindowView* make_view(WindowId id, Window& window) {
    switch (id) {
        case WindowId::main_log:
            return new MainLogWindow(static_cast<MainLogScreen&>(window));
        case WindowId::edi_header:
            return new EdiHeaderWindow(static_cast<EdiHeaderScreen&>(window));
        case WindowId::edi_save:
            return new EdiSaveWindow(static_cast<EdiSaveScreen&>(window));
        case WindowId::station:
            return new StationWindow(static_cast<StationScreen&>(window));
        case WindowId::start:
            return new StartWindow(static_cast<StartScreen&>(window));
        case WindowId::award:
            return new AwardWindow(static_cast<AwardScreen&>(window));
        case WindowId::admin:
            return new AdminWindow(static_cast<AdminScreen&>(window));
        case WindowId::member_lists:
            return new MemberListWindow(static_cast<MemberListScreen&>(window));
        case WindowId::qso_edit:
            return new QsoEditWindow(static_cast<QsoEditScreen&>(window));
        case WindowId::statistics:
            return new StatisticsWindow(static_cast<StatisticsScreen&>(window));
        case WindowId::report:
            return new ReportWindow(static_cast<ReportScreen&>(window));
        case WindowId::bearing_calculator:
            return new BearingCalculatorWindow(static_cast<BearingCalculatorScreen&>(window));
        case WindowId::devices:
            return new DeviceWindow(static_cast<DeviceScreen&>(window));
        default:
            return nullptr;
    }
}

}  // namespace

WindowViews::WindowViews(WindowSet& windows) : windows_(windows) {
    windows_.on_created = [this](std::size_t slot, Window& window) {
        created(static_cast<WindowId>(slot), window);
    };
    windows_.on_closed = [this](std::size_t slot) { closed(static_cast<WindowId>(slot)); };
    windows_.on_quit = [] { QCoreApplication::quit(); };
}

WindowViews::~WindowViews() {
    windows_.on_created = nullptr;
    windows_.on_closed = nullptr;
    windows_.on_quit = nullptr;
    for (auto& view : views_) delete view;
}

void WindowViews::created(WindowId id, Window& window) {
    WindowView* view = make_view(id, window);
    views_[static_cast<std::size_t>(id)] = view;
    if (!view) return;
    view->open_over([this] { return static_cast<const QWidget*>(this->view(WindowId::main_log)); });
    if (id == WindowId::main_log && !main_window_geometry_.isEmpty())
        view->open_at(main_window_geometry_);
    view->refresh();
}

void WindowViews::closed(WindowId id) {
    QPointer<WindowView>& view = views_[static_cast<std::size_t>(id)];
    if (!view) return;
    if (id == WindowId::main_log) main_window_geometry_ = view->saveGeometry();
    view->detach();
    view->deleteLater();
    view = nullptr;
}

}  // namespace zelora::ui
