#include "ui/report_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/fonts.h"

namespace zelora::ui {

ReportWindow::ReportWindow(ReportScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora QRP Test - Report"));

    auto* text = new QPlainTextEdit;
    text->setObjectName("Text1");
    text->setFont(fixed_pitch_font());
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* save = new QPushButton(QStringLiteral("Salva"));
    save->setObjectName("Command1");
    auto* leave = new QPushButton(QStringLiteral("Chiudi"));
    leave->setObjectName("Command2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(leave);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);

    bind(text, screen.Text1);
    on_click(save, [this] { screen_.Command1_Click(); });
    on_click(leave, [this] { screen_.Command2_Click(); });
    escape_button(leave);
    resize(560, 640);
}

}  // namespace zelora::ui
