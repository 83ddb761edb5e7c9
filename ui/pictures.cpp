#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace zelora::ui {
namespace {

constexpr int kIconSize = 64;

// An icon drawn on a 64 x 64 canvas.
QIcon drawn_icon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

void arrow(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
    const qreal direction = to.x() > from.x() ? -1 : 1;
    painter.drawLine(to, to + QPointF(direction * 10, -8));
    painter.drawLine(to, to + QPointF(direction * 10, 8));
}

}  // namespace

QIcon mode_switch_icon() {
    return drawn_icon([](QPainter& p) {
        p.setPen(QPen(QColor(0, 110, 40), 6, Qt::SolidLine, Qt::RoundCap));
        arrow(p, {10, 22}, {54, 22});
        p.setPen(QPen(QColor(170, 30, 30), 6, Qt::SolidLine, Qt::RoundCap));
        arrow(p, {54, 44}, {10, 44});
    });
}

QIcon clock_icon() {
    return drawn_icon([](QPainter& p) {
        p.setPen(QPen(QColor(30, 50, 110), 5));
        p.setBrush(QColor(235, 240, 255));
        p.drawEllipse(QPointF(32, 32), 26, 26);
        p.setPen(QPen(QColor(30, 50, 110), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(32, 32), QPointF(32, 14));
        p.drawLine(QPointF(32, 32), QPointF(46, 38));
    });
}

QIcon back_to_start_icon() {
    return drawn_icon([](QPainter& p) {
        QPainterPath house;
        house.moveTo(32, 8);
        house.lineTo(58, 32);
        house.lineTo(50, 32);
        house.lineTo(50, 56);
        house.lineTo(14, 56);
        house.lineTo(14, 32);
        house.lineTo(6, 32);
        house.closeSubpath();
        p.setPen(QPen(QColor(90, 60, 20), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(250, 220, 150));
        p.drawPath(house);
        p.setBrush(QColor(120, 80, 30));
        p.drawRect(QRectF(27, 38, 10, 18));
    });
}

QIcon award_icon() {
    return drawn_icon([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 40));
        p.drawPolygon(QPolygonF({{18, 2}, {30, 2}, {38, 26}, {26, 26}}));
        p.setBrush(QColor(30, 70, 170));
        p.drawPolygon(QPolygonF({{46, 2}, {34, 2}, {26, 26}, {38, 26}}));
        p.setPen(QPen(QColor(150, 110, 10), 3));
        p.setBrush(QColor(240, 195, 40));
        p.drawEllipse(QPointF(32, 42), 18, 18);
        p.setPen(QPen(QColor(150, 110, 10), 2));
        p.drawEllipse(QPointF(32, 42), 11, 11);
    });
}

QPixmap antenna_picture(int height, qreal device_pixel_ratio) {
    const int width = height * 2;
    QPixmap pixmap(QSize(width, height) * device_pixel_ratio);
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = height;
    // Mast and a horizontal Yagi: boom, reflector, dipole and directors.
    p.setPen(QPen(QColor(70, 70, 80), h / 22, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(h * 0.5, h * 0.95), QPointF(h * 0.5, h * 0.45));
    p.drawLine(QPointF(h * 0.2, h * 0.45), QPointF(h * 1.5, h * 0.45));
    const qreal elements[][2] = {
        {0.2, 0.36}, {0.45, 0.32}, {0.75, 0.28}, {1.05, 0.25}, {1.35, 0.22}};
    for (const auto& element : elements) {
        p.drawLine(QPointF(h * element[0], h * (0.45 - element[1])),
                   QPointF(h * element[0], h * (0.45 + element[1])));
    }
    // Radio waves leaving the front of the antenna.
    p.setPen(QPen(QColor(0, 120, 200), h / 28, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int wave = 0; wave < 3; ++wave) {
        const qreal r = h * (0.12 + 0.11 * wave);
        p.drawArc(QRectF(h * 1.5 - r, h * 0.45 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
    return pixmap;
}

}  // namespace zelora::ui
