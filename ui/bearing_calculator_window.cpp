#include "ui/bearing_calculator_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace zelora::ui {
BearingCalculatorWindow::BearingCalculatorWindow(BearingCalculatorScreen& screen)
    : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Bearing utility 1.1 - ZZ9AAA"));

    auto* panel = new QFrame;
    panel->setObjectName("Picture1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedWidth(48);

    auto* locator1 = line_edit("Text3");
    auto* locator2 = line_edit("Text5");
    auto* km = line_edit("Text6");
    auto* bearing = line_edit("Text1");

    auto* fields = new QGridLayout;
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Locator 1", locator1}, {"Locator 2", locator2}, {"Km", km}, {"Bearing", bearing}};
    int row = 0;
    for (const auto& [caption, edit] : rows) {
        auto* label = new QLabel(QString::fromLatin1(caption));
        label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        label->setBuddy(edit);
        fields->addWidget(label, row, 0);
        fields->addWidget(edit, row, 1);
        ++row;
    }

    auto* calculate =
        button(QStringLiteral("Calculate"), "Command1", [this] { screen_.Command1_Click(); });
    auto* leave = button(QStringLiteral("Exit"), "Command2", [this] { screen_.Command2_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate);
    buttons->addWidget(leave);

    auto* column = new QVBoxLayout;
    column->addLayout(fields);
    column->addSpacing(6);
    column->addLayout(buttons);
    column->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(column, 1);

    bind(locator1, screen.Text3);
    bind(locator2, screen.Text5);
    bind(km, screen.Text6);
    bind(bearing, screen.Text1);
    setMinimumWidth(280);
}

}  // namespace zelora::ui
