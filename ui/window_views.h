#pragma once

#include <QObject>
#include <QPointer>
#include <array>

#include "base/window_set.h"
#include "ui/window_view.h"
#include "windows/window_id.h"

namespace zelora::ui {

// Gives every window of the logic its Qt view while it lives: a view is made when the window
// comes into being and let go when the logic discards it.
class WindowViews : public QObject {
    Q_OBJECT
  public:
    explicit WindowViews(WindowSet& windows);
    ~WindowViews() override;

    // The view of a window that is open, if it has one.
    WindowView* view(WindowId id) const { return views_[static_cast<std::size_t>(id)]; }

  private:
    void created(WindowId id, Window& window);
    void closed(WindowId id);

    WindowSet& windows_;
    std::array<QPointer<WindowView>, static_cast<std::size_t>(WindowId::count)> views_;
    QByteArray main_window_geometry_;  // where the main window was when last closed
};

}  // namespace zelora::ui
