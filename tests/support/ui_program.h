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
#include <memory>
#include <string>

#include "support/contest_session.h"
#include "ui/window_views.h"
#include "windows/main_log_screen.h"

namespace zelora::testing {

struct UiProgram {
    std::unique_ptr<FakePlatform> own = std::make_unique<FakePlatform>();
    FakePlatform& fake = *own;
    WindowSet windows{fake.platform()};
    ui::WindowViews views{windows};

    UiProgram() = default;
    // Another run of the program over the same directory.
    explicit UiProgram(FakePlatform& shared) : own(nullptr), fake(shared) {}

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
    // The element takes the focus as with Tab, so the logic's focus reactions run.
    void focus(WindowId id, const char* name) const {
        activate(id);
        QWidget* element = find<QWidget>(id, name);
        QVERIFY2(element, name);
        element->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY2(element->hasFocus(), name);
    }
    void type(const char* name, const QString& keys) const {
        focus(WindowId::main_log, name);
        QTest::keyClicks(box(name), keys);
    }
};

// Keys to whichever widget has the focus at each key: "\t" is Tab, "\v" Backtab, "\r" Return.
inline void type_keys(const QString& typed) {
    for (QChar key : typed) QTest::keyClicks(QApplication::focusWidget(), QString(key));
}

}  // namespace zelora::testing
