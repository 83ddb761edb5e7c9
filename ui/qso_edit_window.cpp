#include "ui/qso_edit_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelora::ui {
QsoEditWindow::QsoEditWindow(QsoEditScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora qrp Test - Modfica dati QSO"));

    auto* search = box(screen.Text1, "Text1");
    auto* find = button(QStringLiteral("OK"), "Command3", [this] { screen_.Command3_Click(); });
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Call del QSO da modificare")));
    top->addWidget(search, 1);
    top->addWidget(find);

    // The found QSO's fields, in tab order.
    QList<QWidget*> fields;
    const auto field = [this, &fields](Control& control, const char* name) {
        QLineEdit* edit = box(control, name);
        fields.append(edit);
        return edit;
    };
    auto* left = new QFormLayout;
    left->addRow(QStringLiteral("Call"), field(screen.Text2, "Text2"));
    left->addRow(QStringLiteral("Data"), field(screen.Text3, "Text3"));
    left->addRow(QStringLiteral("Ora"), field(screen.Text4, "Text4"));
    left->addRow(QStringLiteral("Locatore"), field(screen.Text5, "Text5"));

    auto* mode = new QHBoxLayout;
    mode->addWidget(field(screen.Text6, "Text6"), 1);
    mode->addWidget(new QLabel(QStringLiteral("1 = SSB 0 = CW")));
    auto* right = new QFormLayout;
    right->addRow(QStringLiteral("Modo"), mode);
    right->addRow(QStringLiteral("RSTr"), field(screen.Text7, "Text7"));
    right->addRow(QStringLiteral("Progressivo"), field(screen.Text8, "Text8"));
    right->addRow(QStringLiteral("I-QRP-MQC"), field(screen.Text9, "Text9"));

    auto* columns = new QHBoxLayout;
    columns->setSpacing(24);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto* correct =
        button(QStringLiteral("Modifica"), "Command1", [this] { screen_.Command1_Click(); });
    auto* leave =
        button(QStringLiteral("Chiudi"), "Command2", [this] { screen_.Command2_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(columns);
    layout->addSpacing(8);
    layout->addLayout(button_row({correct, leave}));

    on_return(find, {search});
    on_return(correct, fields);
    escape_button(leave);
    setTabOrder(search, find);
    setTabOrder(find, fields.front());
    for (qsizetype i = 1; i < fields.size(); ++i) setTabOrder(fields[i - 1], fields[i]);
    setTabOrder(fields.back(), correct);
    setTabOrder(correct, leave);
    setMinimumWidth(520);
}

QLineEdit* QsoEditWindow::box(Control& control, const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    bind(edit, control);
    return edit;
}

}  // namespace zelora::ui
