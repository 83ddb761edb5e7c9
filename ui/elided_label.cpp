#include "ui/elided_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace zelora::ui {

ElidedLabel::ElidedLabel(const QString& widest, QWidget* parent) : QLabel(parent), widest_(widest) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize ElidedLabel::sizeHint() const {
    const QMargins margins = contentsMargins();
    // One line of the font: QLabel's own hint would lay out the whole text, which a hand-edited
    // value of many kilobytes makes slow.
    return {fontMetrics().horizontalAdvance(widest_) + margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

// What can show in the label's width at most: the rest is cut anyway.
QString ElidedLabel::shown_part() const {
    return text().left(contentsRect().width() + 1);
}

bool ElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip &&
        fontMetrics().horizontalAdvance(shown_part()) > contentsRect().width()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(shown_part(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
}

}  // namespace zelora::ui
