#include "ui/station_control_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/compass_picture.h"
#include "ui/text_codec.h"
#include "ui/window_view.h"

namespace zelora::ui {
namespace {

QLabel* bold_label(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

StationControlBar::StationControlBar(WindowView& view, StationControl& station)
    : QObject(&view), view_(view), station_(station) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this,
            [this] { view_.when_attached([this] { station_.Refresh(); }); });
    timer->start(1000);
}

QWidget* StationControlBar::status_line() {
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* radio = bold_label("RadioStatus");
    QLabel* rotator = bold_label("RotatorStatus");
    layout->addWidget(radio);
    layout->addSpacing(24);
    layout->addWidget(rotator);
    layout->addStretch();
    // Hidden labels take no room, and a line with none shown is not there at all.
    const auto follow = [this, line, radio, rotator] {
        radio->setText(from_cp1252(station_.RadioStatus.text()));
        radio->setVisible(station_.RadioStatus.visible());
        rotator->setText(from_cp1252(station_.RotatorStatus.text()));
        rotator->setVisible(station_.RotatorStatus.visible());
        line->setVisible(station_.RadioStatus.visible() || station_.RotatorStatus.visible());
    };
    view_.watch(station_.RadioStatus, follow);
    view_.watch(station_.RotatorStatus, follow);
    return line;
}

QWidget* StationControlBar::pointing_buttons(CompassPicture* compass) {
    auto* buttons = new QWidget;
    auto* column = new QVBoxLayout(buttons);
    column->setContentsMargins(0, 0, 0, 0);
    auto* point = view_.button(QStringLiteral("&Punta"), "StationCommand1",
                               [this] { station_.Command1_Click(); });
    auto* stop = view_.button(QStringLiteral("&Ferma"), "StationCommand2",
                              [this] { station_.Command2_Click(); });
    point->setToolTip(QStringLiteral("Gira l'antenna al QTF del locatore (Alt+P)"));
    stop->setToolTip(QStringLiteral("Ferma il rotore (Alt+F)"));
    for (QPushButton* button : {point, stop}) {
        button->setFocusPolicy(Qt::NoFocus);  // the caret stays in the box being typed
        column->addWidget(button);
    }
    column->addStretch();
    view_.watch(station_.Command1,
                [this, buttons] { buttons->setVisible(station_.Command1.visible()); });
    // The window can outlive its view (the program ending): then this shows nothing.
    station_.on_rotator_needle_changed = [picture = QPointer<CompassPicture>(compass),
                                          station = &station_] {
        if (picture) picture->setRotatorNeedle(station->Line3);
    };
    compass->setRotatorNeedle(station_.Line3);
    return buttons;
}

QWidget* StationControlBar::frequency_label() {
    QLabel* label = bold_label("RadioFrequency");
    label->setToolTip(QStringLiteral("Frequenza della radio, MHz"));
    view_.watch(station_.Frequency, [this, label] {
        label->setText(from_cp1252(station_.Frequency.text()));
        label->setStyleSheet(station_.frequency_outside_band() ? QStringLiteral("color: #c00000;")
                                                               : QString());
        label->setVisible(station_.Frequency.visible());
    });
    return label;
}

QPushButton* StationControlBar::devices_button() {
    return view_.button(QStringLiteral("&Radio e rotore"), "StationCommand3",
                        [this] { station_.Command3_Click(); });
}

}  // namespace zelora::ui
