#include "ui/main_log_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <string_view>

#include "ui/compass_picture.h"
#include "ui/elided_label.h"
#include "ui/fonts.h"
#include "ui/km_scale_picture.h"
#include "ui/partial_list_view.h"
#include "ui/pictures.h"
#include "ui/station_control_bar.h"
#include "ui/text_codec.h"

namespace zelora::ui {
namespace {

// The widest values the frames are made wide enough for, so that a value never moves the
// layout: a 12-character callsign, a locator of the widest letters, a distance round the globe.
constexpr const char* kWidestCallsign = "WW0WWW/QRP/P";
constexpr const char* kWidestLocator = "MM00WW";
constexpr const char* kWidestDistance = " 20000";
constexpr const char* kWidestTotal = "00000000";
constexpr const char* kWidestMemberNumber = "0000";
// The longest line of the readable log: a CW QSO with a member number.
constexpr int kLogLineLength = 76;

QLabel* caption(const QString& text) {
    return new QLabel(text);
}

// The readable log: as wide as its whole line and twenty lines high where the screen has room,
// smaller (scrolling) where it has not.
class LogBox : public QPlainTextEdit {
  public:
    QSize sizeHint() const override {
        const int line = fontMetrics().horizontalAdvance(QString(kLogLineLength, QLatin1Char('0')));
        return {line + verticalScrollBar()->sizeHint().width() + 2 * frameWidth() +
                    2 * static_cast<int>(document()->documentMargin()),
                fontMetrics().lineSpacing() * 20};
    }
};

// A box of the entry row: it asks for no more width than its widest value needs, so that the
// window opens no wider than the log; extra width is shared out all the same.
class EntryBox : public QLineEdit {
  public:
    QSize sizeHint() const override { return {minimumWidth(), QLineEdit::sizeHint().height()}; }
};

// A button with a picture and no caption: its Alt access key is told in its tooltip.
QToolButton* picture_button(const QIcon& icon, const QString& tooltip, const char* name,
                            Qt::Key access_key) {
    auto* button = new QToolButton;
    button->setIcon(icon);
    button->setIconSize(QSize(28, 28));
    button->setShortcut(QKeySequence(Qt::ALT | access_key));
    button->setToolTip(tooltip + QStringLiteral(" (") +
                       button->shortcut().toString(QKeySequence::NativeText) + QStringLiteral(")"));
    button->setObjectName(name);
    button->setAutoRaise(false);
    return button;
}

}  // namespace

MainLogWindow::MainLogWindow(MainLogScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora VHF qrp - ZZ9QX Sez. di Dorvasca - ver 1.00"));
    station_ = new StationControlBar(*this, screen.station);

    log_ = new LogBox;
    log_->setObjectName("Text12");
    log_->setReadOnly(true);
    log_->setFont(fixed_pitch_font());
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A few lines at least; on a small screen the log scrolls sideways rather than pushing the
    // frames off the screen.
    log_->setMinimumHeight(log_->fontMetrics().lineSpacing() * 5);
    bind(log_, screen.Text12);
    // The log keeps its last line in view, as long as the operator has not scrolled back.
    QScrollBar* scroll = log_->verticalScrollBar();
    auto at_end = std::make_shared<bool>(true);
    connect(scroll, &QScrollBar::valueChanged, this,
            [scroll, at_end](int value) { *at_end = value == scroll->maximum(); });
    connect(scroll, &QScrollBar::rangeChanged, this, [scroll, at_end](int, int maximum) {
        if (*at_end) scroll->setValue(maximum);
    });

    // Under the log what the operator glances at while typing; the frames and the buttons take
    // the whole height at the right, so that the window fits a netbook's screen.
    auto* under_log = new QHBoxLayout;
    under_log->addWidget(make_partial_list(), 0, Qt::AlignTop);
    under_log->addWidget(make_pointing(), 0, Qt::AlignTop);
    under_log->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(log_, 1);
    left->addLayout(under_log);

    auto* side = new QVBoxLayout;
    side->addWidget(make_station_frame());
    side->addWidget(make_contest_frame());
    side->addStretch();
    side->addWidget(make_buttons());

    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(make_heading());
    layout->addWidget(make_entry_row());
    layout->addLayout(middle, 1);
    layout->addWidget(station_->status_line());

    screen.on_scroll_log = [this] { scroll_log_to_end(); };
    screen.on_pointing_changed = [this] { show_pointing(); };
    show_pointing();
    refresh_rate_every_minute();
    // A failed save of the contest is tried again while the operator is not logging.
    auto* retry = new QTimer(this);
    retry->setObjectName("RetrySave");
    connect(retry, &QTimer::timeout, this,
            [this] { when_attached([this] { screen_.RetrySave(); }); });
    retry->start(60000);
    for (std::size_t i = 1; i < tab_order_.size(); ++i)
        setTabOrder(tab_order_[i - 1], tab_order_[i]);
    // The whole log line where the screen has room for it; place() keeps it on the screen.
    resize(sizeHint());
}

MainLogWindow::~MainLogWindow() {
    when_attached([this] {
        screen_.on_scroll_log = nullptr;
        screen_.on_pointing_changed = nullptr;
    });
}

void MainLogWindow::scroll_log_to_end() {
    log_->moveCursor(QTextCursor::End);
    log_->ensureCursorVisible();
}

QWidget* MainLogWindow::make_heading() {
    auto* heading = new QWidget;
    auto* layout = new QHBoxLayout(heading);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* image = new QLabel;
    image->setObjectName("Image1");
    image->setPixmap(antenna_picture(44, devicePixelRatioF()));
    layout->addWidget(image);

    auto* title = new QLabel(QStringLiteral(" ZELORA VHF QRP TEST"));
    title->setObjectName("Label32");
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    title->setStyleSheet(QStringLiteral("color: #1d3f8a;"));
    layout->addWidget(title);
    layout->addStretch();

    auto* facts = new QVBoxLayout;
    facts->setSpacing(0);
    auto* date = new QLabel(QStringLiteral("DATA: 19/07/2020"));
    auto* hours = new QLabel(QStringLiteral("ORARIO: dalle 07.00 alle 13.00 utc"));
    auto* submission =
        new QLabel(QStringLiteral("Invio Log: ") + from_cp1252(kLogSubmissionAddress));
    date->setObjectName("Label33");
    hours->setObjectName("Label34");
    submission->setObjectName("Label31");
    for (QLabel* label : {date, hours, submission}) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        facts->addWidget(label);
    }
    layout->addLayout(facts);
    return heading;
}

QLineEdit* MainLogWindow::entry_box(Control& control, const char* name, const char* widest) {
    auto* box = new EntryBox;
    box->setObjectName(name);
    if (std::string_view(name) == "Text1") {  // the QSO number stands out
        QFont bold = box->font();
        bold.setBold(true);
        box->setFont(bold);
    }
    // Room for the widest value and the caret, and no more: the row fits a small screen.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString::fromLatin1(widest)) + 10);
    bind(box, control);
    return box;
}

QWidget* MainLogWindow::make_entry_row() {
    auto* row = new QWidget;
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 4, 0, 4);
    grid->setVerticalSpacing(3);

    struct Column {
        const char* heading;
        Control& control;
        const char* name;
        const char* widest;
        const char* tooltip;
    };
    const Column columns[] = {
        {"QSO #", screen_.Text1, "Text1", "0000", nullptr},
        {"Data", screen_.Text2, "Text2", "00/00/00", "es. 19/07/20"},
        {"UTC", screen_.Text3, "Text3", "00.00", "es. 09.20"},
        {"Mhz", screen_.Text4, "Text4", "144", nullptr},
        {"", screen_.Text5, "Text5", "SSB", "up e down per cambiare il modo"},
        {"Callsign", screen_.Text6, "Text6", kWidestCallsign, nullptr},
        {"RST-tx", screen_.Text7, "Text7", "599", nullptr},
        {"RST-rx", screen_.Text8, "Text8", "599", nullptr},
        {"Prog", screen_.Text9, "Text9", "000", "(3 cifre es. 001)"},
        {"Locatore", screen_.Text10, "Text10", kWidestLocator, "(6 cifre es. JN81GD)"},
        {"I-QRP MQC", screen_.Text11, "Text11", "I0000", "(es. I003 o M123)"},
    };
    int column = 0;
    QList<QWidget*> boxes;
    for (const Column& entry : columns) {
        grid->addWidget(new QLabel(QString::fromUtf8(entry.heading)), 0, column);
        QLineEdit* box = entry_box(entry.control, entry.name, entry.widest);
        if (entry.tooltip) box->setToolTip(from_cp1252(entry.tooltip));
        grid->addWidget(box, 1, column);
        tab_order_.push_back(box);
        boxes.append(box);
        ++column;
    }
    on_return([this] { screen_.EnterPressed(); }, boxes);
    row->findChild<QLineEdit*>("Text4")->setReadOnly(true);
    mode_box_ = row->findChild<QLineEdit*>("Text5");
    mode_box_->setReadOnly(true);
    mode_box_->installEventFilter(this);

    auto* ok = button(QStringLiteral("&OK"), "Command1", [this] { screen_.Command1_Click(); });
    tab_order_.push_back(ok);
    grid->addWidget(ok, 1, column);

    // Under the boxes, each where the operator looks while typing it: the duplicate mark under
    // the callsign, distance and heading under the locator, the member hint under the member
    // box. Under the date and time there is room left.
    auto* distance = new QHBoxLayout;
    distance->setSpacing(3);
    const std::pair<Control*, const char*> labels[] = {
        {&screen_.Label12, "Label12"}, {&screen_.Label13, "Label13"},
        {&screen_.Label16, "Label16"}, {&screen_.Label14, "Label14"},
        {&screen_.Label15, "Label15"}, {&screen_.Label17, "Label17"}};
    for (const auto& [control, name] : labels) {
        distance->addWidget(value_label(*control, name, nullptr));
        if (control == &screen_.Label16) distance->addSpacing(6);
    }
    distance->addStretch();
    grid->addWidget(make_dupe_mark(row->findChild<QLineEdit*>("Text6")), 2, 5, 1, 2);
    grid->addLayout(distance, 2, 7, 1, 3);
    grid->addWidget(value_label(screen_.aids.MemberHint, "MemberHint", "I-QRP I0000"), 2, 10, 1, 2);
    grid->addWidget(station_->frequency_label(), 2, 3, 1, 2);
    add_history_aids(grid, row);
    return row;
}

void MainLogWindow::add_history_aids(QGridLayout* grid, QWidget* row) {
    QLabel* known = value_label(screen_.history.HistoryMark, "HistoryMark", nullptr);
    known->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    known->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // never widens the row
    grid->addWidget(known, 2, 0, 1, 3);
    QLineEdit* locator = row->findChild<QLineEdit*>("Text10");
    const Control& filled = screen_.history.FilledLocator;
    watch(screen_.history.FilledLocator, [locator, &filled] {
        locator->setStyleSheet(filled.text().empty()
                                   ? QString()
                                   : QStringLiteral("QLineEdit { background: #fff0a0; }"));
    });
    callsign_box_ = row->findChild<QLineEdit*>("Text6");
    callsign_box_->installEventFilter(this);
}

QLabel* MainLogWindow::value_label(Control& control, const char* name, const char* widest) {
    QLabel* label = widest ? new ElidedLabel(QString::fromLatin1(widest)) : new QLabel;
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setObjectName(name);
    bind(label, control);
    return label;
}

void MainLogWindow::add_value(QGridLayout* grid, int row, int column, const CaptionedValue& value,
                              const char* widest, int span) {
    grid->addWidget(caption(QString::fromUtf8(value.caption)), row, column);
    grid->addWidget(value_label(value.control, value.name, widest), row, column + 1, 1, span);
}

// Two columns of captions and values, each value as wide as its widest real text: the frames
// stay narrow enough for a small screen beside the log.
QGridLayout* MainLogWindow::frame_grid(QGroupBox* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
    return grid;
}

QWidget* MainLogWindow::make_station_frame() {
    auto* frame = new QGroupBox(QStringLiteral("Stazione"));
    frame->setObjectName("Frame2");
    QGridLayout* grid = frame_grid(frame);
    add_value(grid, 0, 0, {"Call:", screen_.Label39, "Label39"}, kWidestCallsign, 3);
    add_value(grid, 1, 0, {"Locatore:", screen_.Label40, "Label40"}, kWidestLocator);
    add_value(grid, 1, 2, {"I-QRP:", screen_.Label41, "Label41"}, kWidestMemberNumber);
    add_value(grid, 2, 0, {"Modalità:", screen_.Label46, "Label46"}, "off-line");
    add_value(grid, 2, 2, {"MQC:", screen_.Label42, "Label42"}, kWidestMemberNumber);
    add_value(grid, 3, 0, {"Account:", screen_.Label47, "Label47"}, "Admin");
    auto* award_caption = caption(QStringLiteral("Award:"));
    award_caption->setObjectName("Label53");
    QLabel* award = value_label(screen_.Label54, "Label54", "I.Q.C.A. Award");
    award->setStyleSheet(QStringLiteral("color: #a8001c;"));
    auto* picture =
        picture_button(award_icon(), QStringLiteral("I.Q.C.A. Award"), "Picture3", Qt::Key_W);
    picture->setAutoRaise(true);
    picture->setIconSize(QSize(20, 20));
    bind_visibility(picture, screen_.Picture3);
    on_click(picture, [this] { screen_.Picture3_Click(); });
    auto* award_row = new QHBoxLayout;
    award_row->addWidget(award);
    award_row->addWidget(picture);
    award_row->addStretch();
    grid->addWidget(award_caption, 4, 0);
    grid->addLayout(award_row, 4, 1, 1, 3);
    return frame;
}

QWidget* MainLogWindow::make_contest_frame() {
    auto* frame = new QGroupBox(QStringLiteral("Contest"));
    frame->setObjectName("Frame1");
    QGridLayout* grid = frame_grid(frame);
    add_value(grid, 0, 0, {"QSO:", screen_.Label19, "Label19"}, kWidestTotal);
    add_value(grid, 0, 2, {"QRB:", screen_.Label21, "Label21"}, kWidestTotal);
    add_value(grid, 1, 0, {"Moltiplicatori:", screen_.Label23, "Label23"}, kWidestTotal);
    add_value(grid, 1, 2, {"Punti:", screen_.Label25, "Label25"}, kWidestTotal);
    add_value(grid, 2, 0, {"Media:", screen_.Label44, "Label44"}, kWidestTotal);
    add_value(grid, 2, 2, {"I-QRP:", screen_.Label51, "Label51"}, kWidestTotal);
    add_value(grid, 3, 0, {"MQC:", screen_.Label52, "Label52"}, kWidestTotal);
    // The ODX callsign on a line of its own, its locator and distance under it.
    add_value(grid, 4, 0, {"ODX:", screen_.Label27, "Label27"}, kWidestCallsign, 3);
    auto* odx = new QHBoxLayout;
    odx->addWidget(value_label(screen_.Label28, "Label28", kWidestLocator));
    odx->addWidget(value_label(screen_.Label29, "Label29", kWidestDistance));
    auto* km = caption(QStringLiteral("Km"));
    km->setObjectName("Label30");
    odx->addWidget(km);
    odx->addStretch();
    grid->addLayout(odx, 5, 1, 1, 3);
    // QSOs per hour, over the last 10 and the last 60 minutes.
    const CaptionedValue rates[] = {{"Rate 10'", screen_.aids.Rate10, "Rate10"},
                                    {"Rate 60'", screen_.aids.Rate60, "Rate60"}};
    int column = 0;
    for (const CaptionedValue& rate : rates) {
        grid->addWidget(caption(QString::fromUtf8(rate.caption)), 6, column);
        auto* value = new ElidedLabel(QStringLiteral("9999/h"));
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        value->setObjectName(rate.name);
        const Control& count = rate.control;
        watch(rate.control, [value, &count] {
            value->setText(from_cp1252(count.text()) + QStringLiteral("/h"));
        });
        grid->addWidget(value, 6, column + 1);
        column += 2;
    }
    QLabel* unsaved = value_label(screen_.Label55, "Label55", nullptr);
    unsaved->setStyleSheet(QStringLiteral("color: #c00000;"));
    grid->addWidget(unsaved, 7, 0, 1, 4);
    return frame;
}

QWidget* MainLogWindow::make_pointing() {
    auto* frame = new QGroupBox(QStringLiteral("Puntamento"));
    frame->setObjectName("Frame3");
    auto* grid = new QGridLayout(frame);
    compass_ = new CompassPicture;
    compass_->setObjectName("Picture1");
    scale_ = new KmScalePicture;
    scale_->setObjectName("Picture2");
    // The scale under the compass: the frame stays narrow enough for a small screen, and the
    // room beside the compass is free for its controls.
    grid->addWidget(compass_, 0, 0);
    grid->addWidget(scale_, 1, 0, 1, 2);
    grid->addWidget(station_->pointing_buttons(compass_), 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* MainLogWindow::make_buttons() {
    auto* buttons = new QWidget;
    auto* grid = new QGridLayout(buttons);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* create_log =
        button(QStringLiteral("&Crea LOG"), "Command2", [this] { screen_.Command2_Click(); });
    auto* correct =
        button(QStringLiteral("&Modifica QSO"), "Command5", [this] { screen_.Command5_Click(); });
    auto* statistics =
        button(QStringLiteral("&STAT"), "Command6", [this] { screen_.Command6_Click(); });
    auto* administration = button(QStringLiteral("&Amministrazione"), "Command11",
                                  [this] { screen_.Command11_Click(); });
    auto* leave = button(QStringLiteral("&Esci"), "Command3", [this] { screen_.Command3_Click(); });
    auto* mode = picture_button(mode_switch_icon(), QStringLiteral("on-line / off-line"),
                                "Command7", Qt::Key_L);
    auto* clock = picture_button(clock_icon(), QStringLiteral("Data e ora dal computer"),
                                 "Command9", Qt::Key_D);
    auto* back = picture_button(back_to_start_icon(), QStringLiteral("Torna all'inizio"),
                                "Command10", Qt::Key_T);

    on_click(mode, [this] { screen_.Command7_Click(); });
    on_click(clock, [this] { screen_.Command9_Click(); });
    on_click(back, [this] { screen_.Command10_Click(); });
    bind_visibility(clock, screen_.Command9);
    bind_visibility(administration, screen_.Command11);

    auto* top = new QHBoxLayout;
    for (QToolButton* button : {mode, clock, back}) top->addWidget(button);
    top->addStretch();
    top->addWidget(administration);
    top->addWidget(leave);
    grid->addLayout(top, 0, 0, 1, 3);
    grid->addWidget(create_log, 1, 0);
    grid->addWidget(correct, 1, 1);
    grid->addWidget(statistics, 1, 2);
    grid->addWidget(button(QStringLiteral("&Importa storico"), "ImportHistory",
                           [this] { screen_.history.ImportClick(); }),
                    2, 0, 1, 2);
    grid->addWidget(station_->devices_button(), 2, 2);
    return buttons;
}

QLabel* MainLogWindow::make_dupe_mark(QLineEdit* callsign_box) {
    auto* dupe = new ElidedLabel(QStringLiteral("DUPE 0000 00.00"));
    dupe->setObjectName("DupeMark");
    QFont bold = dupe->font();
    bold.setBold(true);
    dupe->setFont(bold);
    dupe->setStyleSheet(QStringLiteral("color: #c00000;"));
    const Control& mark = screen_.aids.DupeMark;
    watch(screen_.aids.DupeMark, [dupe, callsign_box, &mark] {
        dupe->setText(from_cp1252(mark.text()));
        callsign_box->setStyleSheet(
            mark.text().empty() ? QString() : QStringLiteral("QLineEdit { background: #ff8c8c; }"));
    });
    return dupe;
}

QWidget* MainLogWindow::make_partial_list() {
    auto* partial = new QWidget;
    auto* column = new QVBoxLayout(partial);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(QStringLiteral("Gia' collegati")));
    partial_ = new PartialListView;
    partial_->setObjectName("PartialList");
    const QFontMetrics metrics(partial_->font());
    const int frame = 2 * partial_->frameWidth() + 4;
    // A line: callsign padded to 11, blank, locator; ten of them in sight.
    partial_->setFixedSize(metrics.horizontalAdvance(QString(19, QLatin1Char('W'))) + frame +
                               partial_->verticalScrollBar()->sizeHint().width(),
                           metrics.lineSpacing() * 10 + frame);
    const auto show = [this] {
        partial_->show_rows(
            partial_rows(screen_.aids.PartialList.text(), screen_.history.HistoryList.text()));
    };
    watch(screen_.aids.PartialList, show);
    watch(screen_.history.HistoryList, show);
    connect(partial_, &PartialListView::picked, this,
            [this](int row) { when_attached([&] { screen_.history.Pick(row); }); });
    connect(partial_, &PartialListView::left, this,
            [this] { callsign_box_->setFocus(Qt::OtherFocusReason); });
    column->addWidget(partial_);
    return partial;
}

void MainLogWindow::refresh_rate_every_minute() {
    // Just after each minute of the computer's clock, when the counts can change.
    const auto to_next_minute = [] {
        return 60000 - QTime::currentTime().msecsSinceStartOfDay() % 60000 + 200;
    };
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, timer, to_next_minute] {
        when_attached([this] { screen_.aids.RefreshRate(); });
        timer->start(to_next_minute());
    });
    timer->start(to_next_minute());
}

void MainLogWindow::show_pointing() {
    compass_->setNeedle(screen_.Line1);
    scale_->setBar(screen_.Line2);
}

bool MainLogWindow::focusNextPrevChild(bool next) {
    const auto at = std::find(tab_order_.begin(), tab_order_.end(), focusWidget());
    if (at == tab_order_.end()) return WindowView::focusNextPrevChild(next);
    const auto count = static_cast<std::ptrdiff_t>(tab_order_.size());
    std::ptrdiff_t index = at - tab_order_.begin();
    do {  // boxes the window hides are passed over
        index = (index + (next ? 1 : count - 1)) % count;
    } while (!tab_order_[static_cast<std::size_t>(index)]->isVisibleTo(this));
    tab_order_[static_cast<std::size_t>(index)]->setFocus(next ? Qt::TabFocusReason
                                                               : Qt::BacktabFocusReason);
    return true;
}

bool MainLogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == callsign_box_ && event->type() == QEvent::KeyPress && attached() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && partial_->enter()) {
        return true;
    }
    if (watched == mode_box_ && event->type() == QEvent::KeyPress && attached()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            screen_.Text5_KeyDown(key == Qt::Key_Up ? kKeyUp : kKeyDown);
            return true;
        }
    }
    return WindowView::eventFilter(watched, event);
}

}  // namespace zelora::ui
