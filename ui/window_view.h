#pragma once

#include <QList>
#include <QMetaObject>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

#include "base/control.h"
#include "base/window.h"
#include "core/log_list.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zelora::ui {

// How wide a window must be for the window manager to show `title` whole beside its buttons.
int width_for_title(const QString& title);

// The buttons along a window's foot, to the right as dialogs have them.
QHBoxLayout* button_row(std::initializer_list<QWidget*> buttons);
// A one-line box named as the logic's element ("Text3").
QLineEdit* line_edit(const char* element);

// The Qt face of one window of the logic. It binds widgets to the window's controls both ways
// (what the operator types goes to the control, what the control holds is shown) and mirrors
// the window's visibility and focus. It holds no contest logic.
class WindowView : public QWidget {
    Q_OBJECT
  public:
    explicit WindowView(Window& window, QWidget* parent = nullptr);
    ~WindowView() override;

    // Shows the window's visibility and focus as they stand; the view follows them from then on.
    void refresh() { follow_window(); }
    // The logic discarded the window: from now on this view never touches it again.
    void detach();
    // The window this one opens centred over, when it is on screen (the main window).
    void open_over(std::function<const QWidget*()> main_window) {
        main_window_ = std::move(main_window);
    }
    // Opens where an earlier view of the same window was left.
    void open_at(const QByteArray& geometry);

    // Bindings, public for the parts of a window that helpers build (the station control bar).
    void bind(QLineEdit* edit, Control& control);
    void bind(QLabel* label, Control& control);
    void bind(QPlainTextEdit* edit, Control& control);
    void bind(QPlainTextEdit* edit, LogList& list);
    void bind(QCheckBox* box, Control& control);  // "1" ticked, "0" not
    void bind(QComboBox* combo, Control& control);
    // Visibility only (buttons and pictures shown in some situations).
    void bind_visibility(QWidget* widget, Control& control);
    void on_click(QAbstractButton* button, std::function<void()> reaction);
    // A push button named as the logic's element ("Command1") that runs `reaction`.
    QPushButton* button(const QString& caption, const char* element,
                        std::function<void()> reaction);
    // Return or Enter runs `action` while the focus is in one of `from`, or anywhere in the
    // window when `from` is empty, as a dialog's default button does. The element with the focus
    // keeps the key when it has a use of its own for it: a multi-line box starts a new line, a
    // focused button presses itself.
    void on_return(std::function<void()> action, QList<QWidget*> from = {});
    void on_return(QAbstractButton* button, QList<QWidget*> from = {});
    // The button Return presses anywhere in the window, drawn as such.
    void default_button(QPushButton* button);
    // Escape presses the window's "Chiudi" or "Esci".
    void escape_button(QAbstractButton* button) { escape_button_ = button; }
    // Runs `show` now and on every change of the control (one view per control).
    void watch(Control& control, std::function<void()> show);

    bool attached() const { return window_ != nullptr; }
    // Runs `action` unless the logic has discarded the window.
    void when_attached(const std::function<void()>& action) const {
        if (window_) action();
    }

  protected:
    // The window's close box: each window says what it means.
    virtual void close_box() = 0;

    void closeEvent(QCloseEvent* event) override;
    // Return on a focused button presses it, as Space does; then the window's own Return and
    // Escape.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void follow_window();
    // Size and place for the first showing: whole on the screen, over the main window.
    void place();
    void focus_changed(QWidget* now);
    void keep(const QMetaObject::Connection& connection) { connections_.append(connection); }
    // What Return does with the focus in `focused`, if anything.
    const std::function<void()>* return_action(const QWidget* focused) const;

    Window* window_;
    QList<QMetaObject::Connection> connections_;
    std::map<QWidget*, Control*> focusable_;
    std::vector<Control*> watched_;
    std::vector<LogList*> watched_lists_;
    std::function<const QWidget*()> main_window_;
    std::vector<std::pair<QList<QWidget*>, std::function<void()>>> return_actions_;
    QAbstractButton* escape_button_ = nullptr;
    bool placed_ = false;
};

}  // namespace zelora::ui
