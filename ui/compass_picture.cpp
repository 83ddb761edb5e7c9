#include "ui/compass_picture.h"

#include <QPainter>
#include <QtMath>
#include <utility>

namespace zelora::ui {
namespace {

// The rose is centred where the needle turns, and the needle just reaches its circle.
const QPointF kCentre(860 / kTwipsPerPixel, 840 / kTwipsPerPixel);
constexpr qreal kRadius = 600 / kTwipsPerPixel;
constexpr qreal kLabelRadius = kRadius + 11;

const QColor kBackground(250, 250, 246);
const QColor kDial(236, 240, 245);
const QColor kInk(45, 52, 64);
const QColor kFaint(130, 138, 150);
const QColor kNeedle(205, 40, 40);
const QColor kRotatorNeedle(30, 110, 210);

QPointF twips_to_pixels(float x, float y) {
    return {x / kTwipsPerPixel, y / kTwipsPerPixel};
}

// The point at `radius` from the centre in the direction `degrees` (0 north, clockwise).
QPointF on_rose(qreal degrees, qreal radius) {
    const qreal angle = qDegreesToRadians(degrees);
    return kCentre + QPointF(radius * qSin(angle), -radius * qCos(angle));
}

void draw_centred(QPainter& painter, QPointF centre, const QString& text) {
    const QRectF box(centre.x() - 12, centre.y() - 8, 24, 16);
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

CompassPicture::CompassPicture(QWidget* parent) : QWidget(parent) {
    const int side = qRound(kCompassPictureTwips / kTwipsPerPixel);
    setFixedSize(side, side);
}

void CompassPicture::setNeedle(const zelora::TwipLine& needle) {
    needle_ = needle;
    update();
}

void CompassPicture::setRotatorNeedle(const zelora::TwipLine& needle) {
    rotator_needle_ = needle;
    update();
}

void CompassPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kBackground);

    painter.setPen(QPen(kInk, 1.2));
    painter.setBrush(kDial);
    painter.drawEllipse(kCentre, kRadius, kRadius);

    for (int degrees = 0; degrees < 360; degrees += 10) {
        const bool major = degrees % 30 == 0;
        painter.setPen(QPen(major ? kInk : kFaint, major ? 1.2 : 0.8));
        painter.drawLine(on_rose(degrees, kRadius), on_rose(degrees, kRadius + (major ? 4 : 2)));
    }

    QFont marks = font();
    marks.setStyleHint(QFont::SansSerif);
    marks.setPixelSize(8);
    painter.setFont(marks);
    painter.setPen(kFaint.darker(130));
    for (int degrees : {30, 60, 120, 150, 210, 240, 300, 330}) {
        draw_centred(painter, on_rose(degrees, kLabelRadius), QString::number(degrees));
    }

    QFont cardinal = marks;
    cardinal.setPixelSize(10);
    cardinal.setBold(true);
    painter.setFont(cardinal);
    painter.setPen(kInk);
    const std::pair<int, const char*> points[] = {{0, "N"}, {90, "E"}, {180, "S"}, {270, "W"}};
    for (const auto& [degrees, letter] : points) {
        draw_centred(painter, on_rose(degrees, kLabelRadius), QString::fromLatin1(letter));
    }

    // Wider, under the QTF's needle: on target it shows as a border of the other colour.
    if (rotator_needle_.visible) {
        painter.setPen(QPen(kRotatorNeedle, 4.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(twips_to_pixels(rotator_needle_.x1, rotator_needle_.y1),
                         twips_to_pixels(rotator_needle_.x2, rotator_needle_.y2));
    }
    if (!needle_.visible) return;
    painter.setPen(QPen(kNeedle, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(twips_to_pixels(needle_.x1, needle_.y1),
                     twips_to_pixels(needle_.x2, needle_.y2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(twips_to_pixels(needle_.x1, needle_.y1), 2.6, 2.6);
}

}  // namespace zelora::ui
