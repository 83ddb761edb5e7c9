#include "ui/statistics_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "stats/square_grid.h"
#include "ui/fonts.h"
#include "ui/scrolling_part.h"
#include "ui/statistics_pictures.h"
#include "ui/text_codec.h"

namespace zelora::ui {
namespace {

QLabel* heading(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

// A result box: read-only, the statistics are what the log gives.
QPlainTextEdit* result_box(const char* name, bool fixed_pitch, bool wrap) {
    auto* box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    if (fixed_pitch) box->setFont(fixed_pitch_font());
    box->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    return box;
}

// A box just tall enough for its `lines` lines (and the empty one after a last line end).
void fit_lines(QPlainTextEdit* box, int lines) {
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(box->font());
    box->setFixedHeight(metrics.lineSpacing() * (lines + 1) + 2 * box->frameWidth() +
                        static_cast<int>(2 * box->document()->documentMargin()));
}

// The heading above its element.
QVBoxLayout* titled(QLabel* label, QWidget* element, QVBoxLayout* column = new QVBoxLayout,
                    int stretch = 1) {
    column->addWidget(label);
    column->addWidget(element, stretch);
    return column;
}

}  // namespace

StatisticsWindow::StatisticsWindow(StatisticsScreen& screen) : WindowView(screen), screen_(screen) {
    setWindowTitle(QStringLiteral("Zelora QRP Test - Statistiche"));

    // The square map with the hour table under it.
    auto* map = result_box("Text1", true, false);
    const QFontMetrics metrics(map->font());
    map->setMinimumWidth(metrics.horizontalAdvance(QString(52, QChar('M'))) + 24);
    fit_lines(map, kGridRows);
    auto* hours = result_box("Text4", false, false);
    fit_lines(hours, kContestHours);
    hours->setFixedWidth(
        hours->fontMetrics().horizontalAdvance(QStringLiteral("00-00  =  000 - 000000")) + 24);
    auto* hour_rows = new QHBoxLayout;
    hour_rows->addWidget(hours, 0, Qt::AlignTop);
    hour_rows->addWidget(new CountBarsPicture({"07", "08", "09", "10", "11", "12"},
                                              {screen.hour_qsos.begin(), screen.hour_qsos.end()}),
                         1, Qt::AlignTop);
    auto* map_column = titled(heading(QStringLiteral("Mappa visuale SQR lavorati"), "Label2"), map,
                              new QVBoxLayout, 0);
    map_column->addWidget(heading(QStringLiteral("UTC  -  qso - qrb"), "Label4"));
    map_column->addLayout(hour_rows);
    map_column->addStretch(1);

    // The sectors, table and bars.
    auto* sectors = result_box("Text5", true, false);
    fit_lines(sectors, kSectors);
    sectors->setFixedWidth(
        sectors->fontMetrics().horizontalAdvance(QStringLiteral("330-359\u00B0  -  000")) + 24);
    QStringList sector_names;
    for (int sector = 0; sector < kSectors; ++sector) {
        sector_names << QStringLiteral("%1\u00B0").arg(sector * 30);
    }
    auto* sector_column =
        titled(heading(QStringLiteral("QTF    -   qso"), "Label5"), sectors, new QVBoxLayout, 0);
    sector_column->addWidget(
        new CountBarsPicture(sector_names, {screen.sector_qsos.begin(), screen.sector_qsos.end()}));
    sector_column->addStretch(1);

    // The picture of the map over the square and country lists.
    auto* map_picture = new SquareMapPicture(screen.Text1.text(), screen.own_square);
    map_picture->setObjectName("MapPicture");
    auto* squares = result_box("Text2", false, true);
    auto* countries = result_box("Text3", false, true);
    for (QPlainTextEdit* list : {squares, countries}) {
        list->setMinimumHeight(list->fontMetrics().lineSpacing() * 3);
    }
    auto* lists = new QVBoxLayout;
    lists->addWidget(map_picture, 0, Qt::AlignHCenter);
    titled(heading(QStringLiteral("SQR lavorati"), "Label1"), squares, lists);
    titled(heading(QStringLiteral("DXCC lavorati"), "Label3"), countries, lists);

    auto* ranking = new QListWidget;
    ranking->setObjectName("List1");
    ranking->setUniformItemSizes(true);  // thousands of items stay quick
    QStringList items;
    items.reserve(static_cast<qsizetype>(screen.List1.size()));
    for (const std::string& item : screen.List1) items << from_cp1252(item);
    ranking->addItems(items);
    ranking->setMinimumWidth(200);

    auto* results = new QWidget;
    auto* columns = new QHBoxLayout(results);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(map_column);
    columns->addLayout(sector_column);
    columns->addLayout(lists);
    columns->addLayout(titled(heading(QStringLiteral("Classifica DX"), "Label6"), ranking), 1);

    auto* report =
        button(QStringLiteral("Report"), "Command2", [this] { screen_.Command2_Click(); });
    auto* leave =
        button(QStringLiteral("Chiudi"), "Command1", [this] { screen_.Command1_Click(); });

    // On a screen too narrow for them the results scroll sideways, the buttons stay in view.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new ScrollingPart(results), 1);
    layout->addLayout(button_row({report, leave}));

    for (const auto& [box, control] : {std::pair{map, &screen.Text1},
                                       {squares, &screen.Text2},
                                       {countries, &screen.Text3},
                                       {hours, &screen.Text4},
                                       {sectors, &screen.Text5}}) {
        bind(box, *control);
    }
    escape_button(leave);
    resize(sizeHint());  // all the results where the screen has room: place() keeps it there
}

}  // namespace zelora::ui
