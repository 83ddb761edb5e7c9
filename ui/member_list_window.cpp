#include "ui/member_list_window.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelora::ui {
MemberListWindow::MemberListWindow(MemberListScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Gestione Database IQRP - MQC"));

    auto* lists = new QHBoxLayout;
    lists->addWidget(list_frame("Frame1", QStringLiteral("I-QRP"), screen.Text3, screen.Text1,
                                "Text3", "Text1"));
    lists->addWidget(
        list_frame("Frame2", QStringLiteral("MQC"), screen.Text4, screen.Text2, "Text4", "Text2"));

    auto* choice = new QComboBox;
    choice->setObjectName("Combo1");
    choice->setEditable(true);
    choice->setInsertPolicy(QComboBox::NoInsert);  // the choice offers the two lists only
    choice->addItems({QStringLiteral("I-QRP"), QStringLiteral("MQC")});
    auto* choice_caption = new QLabel(QStringLiteral("Database"));
    choice_caption->setObjectName("Label1");

    auto* search = line_edit("Text5");
    auto* find = button(QStringLiteral("Cerca"), "Command2", [this] { screen_.Command2_Click(); });

    auto* next_number = new QLabel;
    next_number->setObjectName("Label2");
    next_number->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    next_number->setAlignment(Qt::AlignCenter);
    next_number->setMinimumWidth(48);
    auto* addition = line_edit("Text6");
    auto* add =
        button(QStringLiteral("Aggiungi"), "Command3", [this] { screen_.Command3_Click(); });

    auto* leave = button(QStringLiteral("Esci"), "Command1", [this] { screen_.Command1_Click(); });

    auto* tools = new QGridLayout;
    tools->setColumnStretch(1, 1);
    tools->addWidget(choice, 0, 0, 1, 2);
    tools->addWidget(choice_caption, 0, 2);
    tools->addWidget(search, 1, 0, 1, 2);
    tools->addWidget(find, 1, 2);
    tools->addWidget(next_number, 2, 0);
    tools->addWidget(addition, 2, 1);
    tools->addWidget(add, 2, 2);

    auto* side = new QVBoxLayout;
    side->addLayout(tools);
    side->addStretch();
    side->addWidget(leave, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(12);
    layout->addLayout(lists, 3);
    layout->addLayout(side, 2);

    bind(choice, screen.Combo1);
    bind(search, screen.Text5);
    bind(next_number, screen.Label2);
    bind(addition, screen.Text6);
    on_return(find, {choice, search});
    on_return(add, {addition});
    escape_button(leave);
    resize(720, 440);
}

QWidget* MemberListWindow::list_frame(const char* name, const QString& title, Control& count,
                                      Control& list, const char* count_name,
                                      const char* list_name) {
    auto* frame = new QGroupBox(title);
    frame->setObjectName(name);
    auto* count_box = line_edit(count_name);
    auto* list_box = new QPlainTextEdit;
    list_box->setObjectName(list_name);
    list_box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_box->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_box->setMinimumSize(150, 260);

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(count_box);
    layout->addWidget(list_box, 1);

    bind(count_box, count);
    bind(list_box, list);
    return frame;
}

}  // namespace zelora::ui
