#include "ui/station_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelora::ui {
namespace {

// A member-number box with its club letter in front.
QWidget* with_prefix(const QString& prefix, QLineEdit* edit) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* letter = new QLabel(prefix);
    letter->setFixedWidth(letter->fontMetrics().horizontalAdvance(QStringLiteral("M - ")));
    layout->addWidget(letter);
    layout->addWidget(edit, 1);
    return row;
}

}  // namespace

StationWindow::StationWindow(StationScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora qrp Test - Dati Stazione"));

    auto* callsign = new QLineEdit;
    auto* locator = new QLineEdit;
    auto* iqrp = new QLineEdit;
    auto* mqc = new QLineEdit;
    callsign->setObjectName("Text1");
    locator->setObjectName("Text2");
    iqrp->setObjectName("Text3");
    mqc->setObjectName("Text4");

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nominativo"), callsign);
    form->addRow(QStringLiteral("Locatore"), locator);
    form->addRow(QStringLiteral("Socio I-QRP N."), with_prefix(QStringLiteral("I - "), iqrp));
    form->addRow(QStringLiteral("Socio MQC"), with_prefix(QStringLiteral("M -"), mqc));

    auto* save = button(QStringLiteral("Salva"), "Command1", [this] { screen_.Command1_Click(); });
    auto* leave = button(QStringLiteral("Esci"), "Command2", [this] { screen_.Command2_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(button_row({save, leave}));

    bind(callsign, screen.Text1);
    bind(locator, screen.Text2);
    bind(iqrp, screen.Text3);
    bind(mqc, screen.Text4);
    default_button(save);
    setMinimumWidth(340);
}

}  // namespace zelora::ui
