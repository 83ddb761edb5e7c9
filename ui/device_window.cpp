#include "ui/device_window.h"

#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/text_codec.h"

namespace zelora::ui {
namespace {

// A model list to search as the operator types: any part of maker, name or number.
QComboBox* model_list(const std::vector<std::string>& choices, const char* name) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    for (const std::string& choice : choices) combo->addItem(from_cp1252(choice));
    combo->completer()->setFilterMode(Qt::MatchContains);
    combo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    combo->setMinimumWidth(combo->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('x'))));
    return combo;
}

QLineEdit* line_edit(const char* name, const char* placeholder) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setPlaceholderText(QString::fromUtf8(placeholder));
    return edit;
}

}  // namespace

DeviceWindow::DeviceWindow(DeviceScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora qrp Test - Radio e rotore"));

    struct Device {
        const char* title;
        const std::vector<std::string>& choices;
        Control& model;
        Control& port;
        Control& speed;
        const char* names[3];
        const char* port_example;
    };
    const Device devices[] = {
        {"&Radio",
         screen.radio_choices(),
         screen.Combo1,
         screen.Text1,
         screen.Text2,
         {"Combo1", "Text1", "Text2"},
         "es. /dev/ttyUSB0 o 127.0.0.1:4532"},
        {"R&otore",
         screen.rotator_choices(),
         screen.Combo2,
         screen.Text3,
         screen.Text4,
         {"Combo2", "Text3", "Text4"},
         "es. /dev/ttyUSB1 o 127.0.0.1:4533"},
    };
    auto* layout = new QVBoxLayout(this);
    for (const Device& device : devices) {
        auto* frame = new QGroupBox(QString::fromUtf8(device.title).remove(QLatin1Char('&')));
        auto* form = new QFormLayout(frame);
        QComboBox* model = model_list(device.choices, device.names[0]);
        QLineEdit* port = line_edit(device.names[1], device.port_example);
        QLineEdit* speed = line_edit(device.names[2], "quella del modello");
        auto* model_caption = new QLabel(QString::fromUtf8(device.title) + QStringLiteral(":"));
        model_caption->setBuddy(model);
        form->addRow(model_caption, model);
        form->addRow(QStringLiteral("Porta o host:porta"), port);
        form->addRow(QStringLiteral("Velocità (baud)"), speed);
        bind(model, device.model);
        bind(port, device.port);
        bind(speed, device.speed);
        layout->addWidget(frame);
    }
    auto* hint = new QLabel(QStringLiteral(
        "Scrivere parte del nome per cercare il modello. \"Nessuno\": nessun apparato.\n"
        "Per un rigctld o rotctld su un altro computer: NET rigctl o NET rotctl e host:porta."));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    layout->addLayout(button_row(
        {button(QStringLiteral("&Salva"), "Command1", [this] { screen_.Command1_Click(); }),
         button(QStringLiteral("&Esci"), "Command2", [this] { screen_.Command2_Click(); })}));
}

}  // namespace zelora::ui
