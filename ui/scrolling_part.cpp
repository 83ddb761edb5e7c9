#include "ui/scrolling_part.h"

#include <QResizeEvent>
#include <QScrollBar>

namespace zelora::ui {

ScrollingPart::ScrollingPart(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(content);
}

void ScrollingPart::resizeEvent(QResizeEvent* event) {
    // The scroll bar only when what it holds is wider than the window: left to itself the area
    // would show one, and hide a strip of it, also where everything fits.
    const bool narrow =
        event->size().width() - 2 * frameWidth() < widget()->minimumSizeHint().width();
    setHorizontalScrollBarPolicy(narrow ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QScrollArea::resizeEvent(event);
}

QSize ScrollingPart::sizeHint() const {
    const int frame = 2 * frameWidth();
    // What it holds, whole: more room is the window's to give.
    return widget()->minimumSizeHint() + QSize(frame, frame);
}

QSize ScrollingPart::minimumSizeHint() const {
    // The whole height, and room for the scroll bar under it.
    return {QScrollArea::minimumSizeHint().width(), widget()->minimumSizeHint().height() +
                                                        horizontalScrollBar()->sizeHint().height() +
                                                        2 * frameWidth()};
}

}  // namespace zelora::ui
