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

    auto* save = button(QStringLiteral("Salva"), "Command1", [this] { screen_.Command1_Click(); });
    auto* leave =
        button(QStringLiteral("Chiudi"), "Command2", [this] { screen_.Command2_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(button_row({save, leave}));

    bind(text, screen.Text1);
    escape_button(leave);
    resize(560, 640);
}

}  // namespace zelora::ui
