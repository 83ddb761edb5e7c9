#include "ui/edi_save_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/envelope_picture.h"
#include "ui/text_codec.h"
#include "windows/main_log_screen.h"

namespace zelora::ui {

EdiSaveWindow::EdiSaveWindow(EdiSaveScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora qrp Test - Salva Log edi"));

    auto* log = new QPlainTextEdit;
    log->setObjectName("Text1");
    log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    log->setLineWrapMode(QPlainTextEdit::NoWrap);
    log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log->setMinimumSize(460, 420);
    bind(log, screen.Text1);

    auto* name_label = new QLabel(QStringLiteral("Nome del Log"));
    name_label->setObjectName("Label1");
    auto* name = new QLineEdit;
    name->setObjectName("Text2");
    bind(name, screen.Text2);

    auto* reminder = new QLabel(
        QStringLiteral("Si ricorda che il LOG va inviato entro 8gg dalla data della gara al "
                       "seguente indirizzo email:"));
    reminder->setObjectName("Label2");
    reminder->setWordWrap(true);
    auto* address = new QLabel(from_cp1252(kLogSubmissionAddress));
    address->setObjectName("Label3");
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = address->font();
    bold.setBold(true);
    address->setFont(bold);

    auto* picture = new QLabel;
    picture->setObjectName("Image1");
    picture->setPixmap(envelope_picture(110, devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);

    auto* side = new QVBoxLayout;
    side->addWidget(name_label);
    side->addWidget(name);
    side->addLayout(make_commands());
    side->addSpacing(12);
    side->addWidget(reminder);
    side->addWidget(address);
    side->addStretch();
    side->addWidget(picture);

    auto* side_panel = new QWidget;
    side_panel->setLayout(side);
    side_panel->setFixedWidth(280);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(log, 1);
    layout->addWidget(side_panel);
}

QVBoxLayout* EdiSaveWindow::make_commands() {
    auto* save = button(QStringLiteral("Salva"), "Command1", [this] { screen_.Command1_Click(); });
    auto* adif =
        button(QStringLiteral("Esporta ADIF"), "Command3", [this] { screen_.Command3_Click(); });
    auto* leave = button(QStringLiteral("Esci"), "Command2", [this] { screen_.Command2_Click(); });
    default_button(save);
    escape_button(leave);
    auto* commands = new QVBoxLayout;
    commands->addWidget(save);
    commands->addWidget(adif);
    commands->addWidget(leave);
    return commands;
}

}  // namespace zelora::ui
