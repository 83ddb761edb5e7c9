#include "ui/award_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <QtMath>

namespace zelora::ui {
namespace {

const QColor kRibbonRed(190, 40, 45);
const QColor kRibbonBlue(35, 75, 150);
const QColor kGoldLight(255, 226, 120);
const QColor kGold(218, 165, 32);
const QColor kGoldDark(150, 105, 15);

// A five-pointed star centred on `centre`.
QPainterPath star(QPointF centre, qreal outer, qreal inner) {
    QPainterPath path;
    for (int point = 0; point < 10; ++point) {
        const qreal radius = point % 2 == 0 ? outer : inner;
        const qreal angle = qDegreesToRadians(point * 36.0);
        const QPointF at = centre + QPointF(radius * qSin(angle), -radius * qCos(angle));
        if (point == 0) {
            path.moveTo(at);
        } else {
            path.lineTo(at);
        }
    }
    path.closeSubpath();
    return path;
}

// A gold medal on its ribbon.
class MedalPicture : public QWidget {
  public:
    MedalPicture() { setFixedSize(96, 128); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(48, 84);
        constexpr qreal kRadius = 34;

        painter.setPen(QPen(kRibbonRed.darker(140), 1));
        painter.setBrush(kRibbonRed);
        painter.drawPolygon(
            QPolygonF({QPointF(16, 2), QPointF(40, 2), QPointF(60, 58), QPointF(40, 62)}));
        painter.setPen(QPen(kRibbonBlue.darker(140), 1));
        painter.setBrush(kRibbonBlue);
        painter.drawPolygon(
            QPolygonF({QPointF(80, 2), QPointF(56, 2), QPointF(36, 58), QPointF(56, 62)}));

        QRadialGradient shine(centre - QPointF(10, 12), kRadius * 1.4);
        shine.setColorAt(0, kGoldLight);
        shine.setColorAt(0.6, kGold);
        shine.setColorAt(1, kGoldDark);
        painter.setPen(QPen(kGoldDark, 1.5));
        painter.setBrush(shine);
        painter.drawEllipse(centre, kRadius, kRadius);
        painter.setPen(QPen(kGoldDark, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, kRadius - 6, kRadius - 6);

        painter.setPen(QPen(kGoldDark, 1));
        painter.setBrush(kGoldLight);
        painter.drawPath(star(centre, 19, 8));
    }
};

}  // namespace

AwardWindow::AwardWindow(AwardScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("I-QRP Club Awars"));

    auto* picture = new MedalPicture;
    picture->setObjectName("Image1");
    auto* congratulations = new QLabel(QStringLiteral(
        "Complimenti! hai raggiunto i punti necessari al conseguimento dell' I-QRP Club Award. "
        "Consulta il regolamento per tutti i dettagli."));
    congratulations->setObjectName("Label1");
    congratulations->setWordWrap(true);
    auto* caption = new QLabel(QStringLiteral("Regolamento:"));
    caption->setObjectName("Label2");
    auto* address = new QLabel(QString::fromLatin1(kAwardRulesAddress));
    address->setObjectName("Label3");
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);  // to copy it into a browser
    auto* close =
        button(QStringLiteral("Chiudi"), "Command1", [this] { screen_.Command1_Click(); });

    auto* rules = new QHBoxLayout;
    rules->setSpacing(6);
    rules->addWidget(caption);
    rules->addWidget(address, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* words = new QVBoxLayout;
    words->addWidget(congratulations);
    words->addSpacing(8);
    words->addLayout(rules);
    words->addStretch();
    words->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(16);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(words, 1);

    default_button(close);
    escape_button(close);
    setMinimumWidth(420);
}

}  // namespace zelora::ui
