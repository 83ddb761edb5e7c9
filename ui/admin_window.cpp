#include "ui/admin_window.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelora::ui {
namespace {

const QColor kDrumLight(150, 190, 235);
const QColor kDrumDark(40, 90, 160);
const QColor kDrumEdge(25, 55, 105);

// A database drum: the picture of the button that opens the member lists. Drawn at twice
// its size so that it stays sharp on high-density screens.
QIcon database_icon() {
    constexpr int kSide = 32;
    constexpr qreal kScale = 2;
    QPixmap pixmap(kSide * kScale, kSide * kScale);
    pixmap.setDevicePixelRatio(kScale);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal left = 5;
    const qreal width = 22;
    const qreal lid = 7;  // height of the elliptic top and bottom
    const qreal top = 3;
    const qreal bottom = 29 - lid;

    QLinearGradient body(left, 0, left + width, 0);
    body.setColorAt(0, kDrumDark);
    body.setColorAt(0.35, kDrumLight);
    body.setColorAt(1, kDrumDark);
    painter.setPen(QPen(kDrumEdge, 1));
    painter.setBrush(body);
    QPainterPath drum;
    drum.moveTo(left, top + lid / 2);
    drum.lineTo(left, bottom + lid / 2);
    drum.arcTo(QRectF(left, bottom, width, lid), 180, 180);
    drum.lineTo(left + width, top + lid / 2);
    drum.closeSubpath();
    painter.drawPath(drum);

    // Two bands: the drum holds two lists.
    painter.setBrush(Qt::NoBrush);
    for (qreal band : {top + 6.5, top + 13}) {
        painter.drawArc(QRectF(left, band, width, lid), 180 * 16, 180 * 16);
    }
    painter.setBrush(kDrumLight);
    painter.drawEllipse(QRectF(left, top, width, lid));
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

AdminWindow::AdminWindow(AdminScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora VHF qrp - Amministrazione"));

    auto* caption = new QLabel(QStringLiteral("Database I-QRP e MQC"));
    caption->setObjectName("Label1");
    auto* lists = new QToolButton;
    lists->setObjectName("Command2");
    lists->setIcon(database_icon());
    lists->setIconSize(QSize(32, 32));
    lists->setAutoRaise(false);
    auto* close =
        button(QStringLiteral("Chiudi"), "Command1", [this] { screen_.Command1_Click(); });

    auto* row = new QHBoxLayout;
    row->addWidget(caption, 1);
    row->addWidget(lists);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    on_click(lists, [this] { screen_.Command2_Click(); });
    escape_button(close);
    setMinimumWidth(260);
}

}  // namespace zelora::ui
