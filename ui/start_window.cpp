#include "ui/start_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelora::ui {
namespace {

const QColor kSkyTop(205, 224, 245);
const QColor kSkyBottom(246, 249, 253);
const QColor kFrame(150, 165, 185);
const QColor kHill(120, 160, 110);
const QColor kSteel(60, 70, 85);
const QColor kWave(210, 90, 40);

// A Yagi on its mast sending out waves: the station at work.
class AntennaPicture : public QWidget {
  public:
    AntennaPicture() { setFixedSize(120, 120); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

        QLinearGradient sky(0, 0, 0, height());
        sky.setColorAt(0, kSkyTop);
        sky.setColorAt(1, kSkyBottom);
        QPainterPath frame;
        frame.addRoundedRect(area, 8, 8);
        painter.fillPath(frame, sky);
        painter.setClipPath(frame);

        QPainterPath hill;
        hill.moveTo(0, 104);
        hill.quadTo(50, 86, 120, 100);
        hill.lineTo(120, 120);
        hill.lineTo(0, 120);
        hill.closeSubpath();
        painter.fillPath(hill, kHill);

        // Mast and its guy wires.
        painter.setPen(QPen(kSteel.lighter(160), 1));
        painter.drawLine(QPointF(42, 50), QPointF(14, 100));
        painter.drawLine(QPointF(42, 50), QPointF(70, 98));
        painter.setPen(QPen(kSteel, 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(42, 96), QPointF(42, 40));

        // Boom and elements, shorter towards the front.
        painter.drawLine(QPointF(16, 40), QPointF(72, 40));
        painter.setPen(QPen(kSteel, 2, Qt::SolidLine, Qt::RoundCap));
        for (int element = 0; element < 5; ++element) {
            const qreal x = 18 + element * 13.5;
            const qreal half = 17 - element * 2.5;
            painter.drawLine(QPointF(x, 40 - half), QPointF(x, 40 + half));
        }

        painter.setPen(QPen(kWave, 2.2, Qt::SolidLine, Qt::RoundCap));
        for (qreal radius : {9.0, 17.0, 25.0}) {
            const QRectF circle(76 - radius, 40 - radius, 2 * radius, 2 * radius);
            painter.drawArc(circle, -40 * 16, 80 * 16);
        }

        painter.setClipping(false);
        painter.setPen(QPen(kFrame, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(frame);
    }
};

}  // namespace

StartWindow::StartWindow(StartScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora VHF qrp test - ZZ9QX Sez. di Dorvasca"));

    auto* picture = new AntennaPicture;
    picture->setObjectName("Image1");
    auto* offline = new QCheckBox(QStringLiteral("Modalità off-line"));
    offline->setObjectName("Check1");
    auto* resume = button(QStringLiteral("Continua Contest"), "Command1",
                          [this] { screen_.Command1_Click(); });
    auto* restart =
        button(QStringLiteral("Nuovo Contest"), "Command2", [this] { screen_.Command2_Click(); });

    auto* choices = new QVBoxLayout;
    choices->addStretch();
    choices->addWidget(offline);
    choices->addSpacing(8);
    choices->addWidget(resume);
    choices->addWidget(restart);
    choices->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(16);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(choices, 1);

    bind(offline, screen.Check1);
    // The box's state goes with it: Return continues also from the off-line box.
    default_button(resume);
    setMinimumWidth(360);
    // The operator who comes back to a contest only presses Return.
    setTabOrder(resume, restart);
    setTabOrder(restart, offline);
    resume->setFocus();
}

}  // namespace zelora::ui
