#pragma once
// The whole program over fakes, with its Qt views, for the window tests.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QString>
#include <QtTest>
#include <string>

#include "support/contest_session.h"
#include "ui/window_views.h"
#include "windows/main_log_screen.h"

namespace zelora::testing {

struct UiProgram {
    FakePlatform fake;
    WindowSet windows{fake.platform()};
    ui::WindowViews views{windows};

    // Writes the station profile and starts the program.
    void start(const std::string& config = kStationConfig) {
        fake.dir.write("config.txt", config);
        start_program(windows);
    }
    template <class Widget>
    Widget* find(WindowId id, const char* name) const {
        ui::WindowView* view = views.view(id);
        return view ? view->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    }
    QLineEdit* box(const char* name, WindowId id = WindowId::main_log) const {
        return find<QLineEdit>(id, name);
    }
    QString label(const char* name, WindowId id = WindowId::main_log) const {
        return find<QLabel>(id, name)->text();
    }
    // The partial list's rows, one "\n"-ended line each.
    QString partial_list() const {
        QString rows;
        const auto* list = find<QListWidget>(WindowId::main_log, "PartialList");
        for (int row = 0; row < list->count(); ++row) rows += list->item(row)->text() + "\n";
        return rows;
    }
    QString log() const {
        return find<QPlainTextEdit>(WindowId::main_log, "Text12")->toPlainText();
    }
    void click(WindowId id, const char* name) const {
        QTest::mouseClick(find<QAbstractButton>(id, name), Qt::LeftButton);
    }
    bool shown(WindowId id) const { return views.view(id) && views.view(id)->isVisible(); }
    void activate(WindowId id) const {
        QWidget* window = views.view(id);
        QVERIFY(window && window->isVisible());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // Focus moves into a main window box as with Tab, so the logic's focus reactions run.
    void type(const char* name, const QString& keys) const {
        box(name)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box(name)->hasFocus());
        QTest::keyClicks(box(name), keys);
    }
};

}  // namespace zelora::testing
