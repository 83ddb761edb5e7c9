#include "ui/km_scale_picture.h"

#include <QPainter>
#include <algorithm>

namespace zelora::ui {
namespace {

// Where the scale lies: 0 km at 720 twips, 2.15 twips a kilometre.
constexpr qreal kZeroX = 720 / kTwipsPerPixel;
constexpr qreal kPixelsPerKm = 2.15 / kTwipsPerPixel;
constexpr qreal kBandTop = 14;
constexpr qreal kBandHeight = 5;
constexpr qreal kTickEnd = kBandTop + kBandHeight + 4;
constexpr qreal kBarWidth = 5;

const QColor kBackground(250, 250, 246);
const QColor kTrack(228, 232, 238);
const QColor kInk(45, 52, 64);
const QColor kBar(30, 70, 150);

qreal x_at_km(qreal km) {
    return kZeroX + km * kPixelsPerKm;
}

}  // namespace

KmScalePicture::KmScalePicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(qRound(kScalePictureWidthTwips / kTwipsPerPixel),
                 qRound(kScalePictureHeightTwips / kTwipsPerPixel));
}

void KmScalePicture::setBar(const zelora::TwipLine& bar) {
    bar_ = bar;
    update();
}

void KmScalePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kBackground);

    const qreal bar_y = zelora::kBarAtStart.y1 / kTwipsPerPixel;
    painter.fillRect(
        QRectF(x_at_km(0), bar_y - kBarWidth / 2, x_at_km(1000) - x_at_km(0), kBarWidth), kTrack);

    const struct {
        qreal from_km;
        qreal to_km;
        QColor colour;
    } bands[] = {{0, 500, QColor(70, 170, 80)},
                 {500, 750, QColor(235, 200, 40)},
                 {750, 1000, QColor(215, 55, 45)}};
    for (const auto& band : bands) {
        painter.fillRect(QRectF(QPointF(x_at_km(band.from_km), kBandTop),
                                QPointF(x_at_km(band.to_km), kBandTop + kBandHeight)),
                         band.colour);
    }

    QFont marks = font();
    marks.setStyleHint(QFont::SansSerif);
    marks.setPixelSize(9);
    painter.setFont(marks);
    painter.setPen(QPen(kInk, 1));
    for (int km = 0; km <= 1000; km += 250) {
        const qreal x = x_at_km(km);
        painter.drawLine(QPointF(x, kBandTop), QPointF(x, kTickEnd));
        painter.drawText(QRectF(x - 20, kTickEnd, 40, 12), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(km));
    }

    QFont unit = marks;
    unit.setPixelSize(12);
    unit.setBold(true);
    painter.setFont(unit);
    painter.drawText(QRectF(2, 0, kZeroX - 8, height()), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Km"));

    if (!bar_.visible) return;
    // A distance beyond the picture is cut off at its edge; keep the line within reach of it
    // so that nonsense lengths cannot upset the painter.
    const auto held = [](float twips, int side) {
        return std::clamp<qreal>(twips / kTwipsPerPixel, -kBarWidth, side + kBarWidth);
    };
    painter.setPen(QPen(kBar, kBarWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(held(bar_.x1, width()), held(bar_.y1, height())),
                     QPointF(held(bar_.x2, width()), held(bar_.y2, height())));
}

}  // namespace zelora::ui
