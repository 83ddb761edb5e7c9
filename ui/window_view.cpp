#include "ui/window_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "ui/text_codec.h"

namespace zelora::ui {
namespace {

// Multi-line boxes hold CR LF line ends in the logic and "\n" in Qt.
QString multi_line_text(const std::string& bytes) {
    return from_cp1252(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string multi_line_bytes(const QString& text) {
    QString copy = text;
    return to_cp1252(copy.replace(QChar('\n'), QStringLiteral("\r\n")));
}

// The box's text as typed: toPlainText() would turn a non-breaking space into a blank.
QString plain_text(const QPlainTextEdit* edit) {
    QString text = edit->document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QChar('\n');
    }
    return text;
}

void keep_place_when_hidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

int width_for_title(const QString& title) {
    // Title bars use a bold font, a little wider than the widgets' one.
    return QFontMetrics(QApplication::font()).horizontalAdvance(title) * 5 / 4 + 120;
}

WindowView::WindowView(Window& window, QWidget* parent) : QWidget(parent), window_(&window) {
    window.on_view_update = [this] { follow_window(); };
    window.on_view_front = [this] {
        follow_window();
        raise();
        activateWindow();
    };
    keep(connect(qApp, &QApplication::focusChanged, this,
                 [this](QWidget*, QWidget* now) { focus_changed(now); }));
}

WindowView::~WindowView() {
    // Children going away move the focus: nothing may reach this half-destroyed view.
    for (const auto& connection : connections_) disconnect(connection);
    if (!window_) return;
    window_->on_view_update = nullptr;
    window_->on_view_front = nullptr;
    for (Control* control : watched_) control->on_view_update = nullptr;
    for (LogList* list : watched_lists_) {
        list->on_view_append = nullptr;
        list->on_view_replace = nullptr;
        list->on_view_reset = nullptr;
    }
}

void WindowView::detach() {
    window_ = nullptr;
    for (const auto& connection : connections_) disconnect(connection);
    connections_.clear();
    focusable_.clear();
    watched_.clear();
    watched_lists_.clear();
    hide();
}

void WindowView::watch(Control& control, std::function<void()> show) {
    watched_.push_back(&control);
    show();
    control.on_view_update = [this, show = std::move(show)] {
        if (window_) show();
    };
}

void WindowView::bind(QLineEdit* edit, Control& control) {
    keep_place_when_hidden(edit);
    focusable_[edit] = &control;
    auto shown_caret = std::make_shared<std::size_t>(control.caret());
    auto show = [edit, &control, shown_caret] {
        const QString text = from_cp1252(control.text());
        if (edit->text() != text) {
            edit->setText(text);
            edit->setCursorPosition(static_cast<int>(control.caret()));
        } else if (*shown_caret != control.caret()) {
            edit->setCursorPosition(static_cast<int>(control.caret()));
        }
        *shown_caret = control.caret();
        edit->setVisible(control.visible());
    };
    keep(connect(
        edit, &QLineEdit::textEdited, this, [this, edit, &control, show](const QString& text) {
            if (!window_) return;
            control.edit(to_cp1252(text), static_cast<std::size_t>(edit->cursorPosition()));
            show();  // the control may have refused characters
        }));
    watch(control, show);
}

void WindowView::bind(QLabel* label, Control& control) {
    keep_place_when_hidden(label);
    watch(control, [label, &control] {
        label->setText(from_cp1252(control.text()));
        label->setVisible(control.visible());
    });
}

void WindowView::bind(QPlainTextEdit* edit, Control& control) {
    focusable_[edit] = &control;
    // No box of the program has a use for a tab character, and Tab must not trap the keyboard.
    edit->setTabChangesFocus(true);
    auto show = [edit, &control] {
        const QString text = multi_line_text(control.text());
        if (plain_text(edit) == text) return;
        const QSignalBlocker quiet(edit);
        edit->setPlainText(text);
    };
    keep(connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, &control, show] {
        if (!window_) return;
        const QString typed = plain_text(edit);
        const int caret = edit->textCursor().position();
        control.edit(multi_line_bytes(typed), multi_line_bytes(typed.left(caret)).size());
        if (typed == multi_line_text(control.text())) return;
        show();  // the control refused characters: the caret stays after what it kept
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(
            static_cast<int>(multi_line_text(control.text().substr(0, control.caret())).size()));
        edit->setTextCursor(cursor);
    }));
    watch(control, show);
}

void WindowView::bind(QPlainTextEdit* edit, LogList& list) {
    watched_lists_.push_back(&list);
    auto reset = [edit, &list] {
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(list.size()));
        for (const auto& line : list.lines()) lines.append(from_cp1252(line));
        edit->setPlainText(lines.join(QChar('\n')));
    };
    list.on_view_append = [this, edit](const std::string& line) {
        if (window_) edit->appendPlainText(from_cp1252(line));
    };
    list.on_view_replace = [this, edit](std::size_t index, const std::string& line) {
        if (!window_) return;
        const QTextBlock block = edit->document()->findBlockByNumber(static_cast<int>(index));
        if (!block.isValid()) return;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(from_cp1252(line));
    };
    list.on_view_reset = [this, reset] {
        if (window_) reset();
    };
    reset();
}

void WindowView::bind(QCheckBox* box, Control& control) {
    keep(connect(box, &QCheckBox::toggled, this, [this, &control](bool ticked) {
        if (window_) control.set(ticked ? "1" : "0");
    }));
    watch(control, [box, &control] {
        const QSignalBlocker quiet(box);
        box->setChecked(control.text() == "1");
        box->setVisible(control.visible());
    });
}

void WindowView::bind(QComboBox* combo, Control& control) {
    if (combo->lineEdit()) focusable_[combo->lineEdit()] = &control;
    combo->installEventFilter(this);
    keep(
        connect(combo, &QComboBox::currentTextChanged, this, [this, &control](const QString& text) {
            if (window_) control.set(to_cp1252(text));
        }));
    watch(control, [combo, &control] {
        const QString text = from_cp1252(control.text());
        if (combo->currentText() == text) return;
        const QSignalBlocker quiet(combo);
        combo->setCurrentText(text);
    });
}

void WindowView::bind_visibility(QWidget* widget, Control& control) {
    keep_place_when_hidden(widget);
    watch(control, [widget, &control] { widget->setVisible(control.visible()); });
}

void WindowView::on_click(QAbstractButton* button, std::function<void()> reaction) {
    keep(connect(button, &QAbstractButton::clicked, this, [this, reaction = std::move(reaction)] {
        if (window_) reaction();
    }));
}

QPushButton* WindowView::button(const QString& caption, const char* element,
                                std::function<void()> reaction) {
    auto* push = new QPushButton(caption);
    push->setObjectName(element);
    on_click(push, std::move(reaction));
    return push;
}

QLineEdit* line_edit(const char* element) {
    auto* edit = new QLineEdit;
    edit->setObjectName(element);
    return edit;
}

QHBoxLayout* button_row(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons) row->addWidget(button);
    return row;
}

void WindowView::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (window_) close_box();
}

void WindowView::on_return(std::function<void()> action, QList<QWidget*> from) {
    return_actions_.emplace_back(std::move(from), std::move(action));
}

void WindowView::on_return(QAbstractButton* button, QList<QWidget*> from) {
    on_return([button] { button->click(); }, std::move(from));
}

void WindowView::default_button(QPushButton* button) {
    button->setDefault(true);
    on_return(button);
}

const std::function<void()>* WindowView::return_action(const QWidget* focused) const {
    const std::function<void()>* anywhere = nullptr;
    for (const auto& [from, action] : return_actions_) {
        if (from.isEmpty()) anywhere = &action;
        for (const QWidget* box : from) {
            if (box == focused || box->isAncestorOf(focused)) return &action;
        }
    }
    return anywhere;
}

void WindowView::keyPressEvent(QKeyEvent* event) {
    // Keys that reach the window were left by the focused element; Ctrl or Alt with them mean
    // something else.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    QWidget* focused = focusWidget();
    if (modifiers == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (qobject_cast<QPushButton*>(focused) || qobject_cast<QToolButton*>(focused)) {
            static_cast<QAbstractButton*>(focused)->click();
            return;
        }
        if (const std::function<void()>* action = return_action(focused)) {
            if (window_) (*action)();
            return;
        }
    }
    if (modifiers == Qt::NoModifier && key == Qt::Key_Escape && escape_button_) {
        escape_button_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    // An editable combo box keeps Return and Escape for itself, and does nothing with them.
    if (event->type() == QEvent::KeyPress && qobject_cast<QComboBox*>(watched)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Escape) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WindowView::open_at(const QByteArray& geometry) {
    placed_ = restoreGeometry(geometry);
}

void WindowView::place() {
    placed_ = true;
    const QWidget* over = main_window_ ? main_window_() : nullptr;
    if (over == this || (over && !over->isVisible())) over = nullptr;
    const QScreen* screen = over ? over->screen() : this->screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    // The window manager's title bar and borders, as it gave them to the main window.
    QMargins frame(4, 30, 4, 4);
    if (over) {
        const QRect outer = over->frameGeometry();
        const QRect inner = over->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    if (!testAttribute(Qt::WA_Resized)) adjustSize();
    resize(QSize(std::max(width(), width_for_title(windowTitle())), height())
               .boundedTo(room.size().shrunkBy(frame)));
    QRect outer(QPoint(), size().grownBy(frame));
    outer.moveCenter(over ? over->frameGeometry().center() : room.center());
    outer.moveLeft(std::max(room.left(), std::min(outer.left(), room.right() - outer.width() + 1)));
    outer.moveTop(std::max(room.top(), std::min(outer.top(), room.bottom() - outer.height() + 1)));
    move(outer.topLeft());  // a window's position is that of its frame
}

void WindowView::follow_window() {
    if (!window_) return;
    if (window_->visible() && !isVisible()) {
        if (!placed_) place();
        show();
        // The operator works from the keyboard: the focused element is marked from the start,
        // not only after a first Tab.
        setAttribute(Qt::WA_KeyboardFocusChange);
        raise();
        activateWindow();
    } else if (!window_->visible() && isVisible()) {
        hide();
    }
    const Control* focused = window_->focused();
    for (const auto& [widget, control] : focusable_) {
        if (control == focused && !widget->hasFocus()) widget->setFocus(Qt::OtherFocusReason);
    }
}

void WindowView::focus_changed(QWidget* now) {
    if (!window_ || !now || now->window() != this) return;
    const auto found = focusable_.find(now);
    if (found != focusable_.end()) {
        window_->focus(*found->second);
    } else {
        window_->leave_focus();
    }
}

}  // namespace zelora::ui
