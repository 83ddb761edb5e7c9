#include "ui/envelope_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace zelora::ui {

QPixmap envelope_picture(int height, qreal device_pixel_ratio) {
    const qreal h = height;
    const int width = qRound(h * 1.4);
    QPixmap pixmap(QSize(width, height) * device_pixel_ratio);
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The log sheet standing out of the envelope, with its written lines.
    const QRectF sheet(h * 0.28, h * 0.05, h * 0.84, h * 0.7);
    p.setPen(QPen(QColor(90, 90, 100), h / 90));
    p.setBrush(QColor(252, 252, 245));
    p.drawRect(sheet);
    p.setPen(QPen(QColor(40, 80, 160), h / 60, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 5; ++line) {
        const qreal y = sheet.top() + h * (0.1 + 0.075 * line);
        const qreal end = line == 0 ? 0.45 : 0.75;
        p.drawLine(QPointF(sheet.left() + h * 0.08, y), QPointF(sheet.left() + h * end, y));
    }

    // The envelope in front, its flap open behind the sheet.
    const QRectF body(h * 0.06, h * 0.4, h * 1.28, h * 0.55);
    p.setPen(QPen(QColor(150, 110, 40), h / 60, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(240, 205, 130));
    QPainterPath pocket;
    pocket.moveTo(body.topLeft());
    pocket.lineTo(body.center().x(), body.top() + body.height() * 0.55);
    pocket.lineTo(body.topRight());
    pocket.lineTo(body.bottomRight());
    pocket.lineTo(body.bottomLeft());
    pocket.closeSubpath();
    p.drawPath(pocket);
    p.drawLine(body.bottomLeft(), QPointF(body.center().x(), body.top() + body.height() * 0.45));
    p.drawLine(body.bottomRight(), QPointF(body.center().x(), body.top() + body.height() * 0.45));

    // A red seal with the arrow of sending.
    const QPointF seal(body.center().x(), body.top() + body.height() * 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 40, 45));
    p.drawEllipse(seal, h * 0.09, h * 0.09);
    p.setPen(QPen(Qt::white, h / 45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(seal - QPointF(h * 0.045, 0), seal + QPointF(h * 0.045, 0));
    p.drawLine(seal + QPointF(h * 0.045, 0), seal + QPointF(h * 0.01, -h * 0.035));
    p.drawLine(seal + QPointF(h * 0.045, 0), seal + QPointF(h * 0.01, h * 0.035));
    return pixmap;
}

}  // namespace zelora::ui
