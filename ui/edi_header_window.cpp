#include "ui/edi_header_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "export/power_category.h"
#include "ui/text_codec.h"

namespace zelora::ui {

namespace {

// A caption that keeps its whole text however narrow the window is made.
QLabel* caption(const QString& text) {
    auto* label = new QLabel(text);
    label->setMinimumWidth(label->sizeHint().width());
    return label;
}

QFormLayout* column() {
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(10);
    return form;
}

}  // namespace

EdiHeaderWindow::EdiHeaderWindow(EdiHeaderScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora qrp Test - Compilazione Log formato EDI"));

    auto* left = column();
    auto* right = column();
    const auto box = [this](QFormLayout* form, const QString& label, Control& control,
                            const char* name) {
        auto* edit = new QLineEdit;
        edit->setObjectName(name);
        edit->setMinimumWidth(220);
        form->addRow(caption(label), edit);
        bind(edit, control);
        return edit;
    };

    box(left, QStringLiteral("Nominativo"), screen.Text2, "Text2");
    box(left, QStringLiteral("Locatore"), screen.Text3, "Text3");
    box(left, QStringLiteral("Contest"), screen.Text4, "Text4");
    auto* category = new QComboBox;
    category->setObjectName("Combo1");
    category->setEditable(true);
    category->setInsertPolicy(QComboBox::NoInsert);  // a typed category is not offered again
    for (const PowerCategory& entry : kPowerCategories) {
        category->addItem(from_cp1252(std::string(entry.text)));
    }
    left->addRow(caption(QStringLiteral("Categoria")), category);
    bind(category, screen.Combo1);
    box(left, QStringLiteral("Banda"), screen.Text5, "Text5")->setReadOnly(true);
    box(left, QStringLiteral("Data"), screen.Text6, "Text6")
        ->setPlaceholderText(QStringLiteral("gg/mm/aaaa"));
    box(left, QStringLiteral("Nome - Cognome"), screen.Text7, "Text7");
    box(left, QStringLiteral("Indirizzo"), screen.Text8, "Text8");
    box(left, QStringLiteral("CAP"), screen.Text9, "Text9");
    box(left, QStringLiteral("Città"), screen.Text10, "Text10");
    box(left, QStringLiteral("Nazione"), screen.Text11, "Text11");
    box(left, QStringLiteral("Telefono"), screen.Text12, "Text12");
    box(left, QStringLiteral("Email"), screen.Text13, "Text13");
    box(left, QStringLiteral("Operatori"), screen.Text14, "Text14");
    box(left, QStringLiteral("Club"), screen.Text15, "Text15");

    box(right, QStringLiteral("Ricevitore"), screen.Text16, "Text16");
    box(right, QStringLiteral("Trasmettitore"), screen.Text17, "Text17");
    box(right, QStringLiteral("Antenne"), screen.Text18, "Text18");
    box(right, QStringLiteral("Potenza (w)"), screen.Text19, "Text19");
    box(right, QStringLiteral("Altezza Antenne (m)"), screen.Text20, "Text20");
    box(right, QStringLiteral("Altitudine (m aslm)"), screen.Text21, "Text21");
    auto* comments = new QPlainTextEdit;
    comments->setObjectName("Text22");
    comments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    right->addRow(caption(QStringLiteral("Commenti")), comments);
    bind(comments, screen.Text22);

    auto* create =
        button(QStringLiteral("Crea EDI"), "Command2", [this] { screen_.Command2_Click(); });
    auto* hide = button(QStringLiteral("Chiudi"), "Command1", [this] { screen_.Command1_Click(); });
    default_button(create);
    escape_button(hide);
    auto* buttons = button_row({create, hide});

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(24);
    layout->addLayout(left, 0, 0);
    layout->addLayout(right, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
}

}  // namespace zelora::ui
