#pragma once
// The whole program over fakes, with its Qt views, for the window tests.

#include <QAbstractButton>
#include <QString>
#include <QtTest>

#include "core/main_log_screen.h"
#include "support/fakes.h"
#include "ui/window_views.h"

namespace zelora::testing {

struct UiProgram {
    FakePlatform fake;
    WindowSet windows{fake.platform()};
    ui::WindowViews views{windows};

    template <class Widget>
    Widget* find(WindowId id, const char* name) const {
        ui::WindowView* view = views.view(id);
        return view ? view->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    }
    void click(WindowId id, const char* name) const {
        QTest::mouseClick(find<QAbstractButton>(id, name), Qt::LeftButton);
    }
    bool shown(WindowId id) const { return views.view(id) && views.view(id)->isVisible(); }
};

}  // namespace zelora::testing
