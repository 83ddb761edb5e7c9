#include "ui/partial_list_view.h"

#include <QKeyEvent>

#include "ui/fonts.h"
#include "ui/text_codec.h"

namespace zelora::ui {

PartialListView::PartialListView(QWidget* parent) : QListWidget(parent) {
    setFont(fixed_pitch_font());
    setFocusPolicy(Qt::ClickFocus);  // Tab stays in the entry row
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int history = history_row(row(item));
        if (history >= 0) emit picked(history);
    });
}

void PartialListView::show_rows(const std::vector<PartialRow>& rows) {
    clear();
    for (const PartialRow& shown : rows) {
        auto* item = new QListWidgetItem(from_cp1252(shown.text), this);
        const bool station = shown.kind == PartialRow::Kind::history;
        item->setData(Qt::UserRole, station ? static_cast<int>(shown.history_row) : -1);
        item->setFlags(station ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
        if (shown.kind == PartialRow::Kind::heading) {
            QFont bold = font();
            bold.setBold(true);
            item->setFont(bold);
            item->setForeground(QColor(0x1d, 0x3f, 0x8a));
        }
    }
}

int PartialListView::history_row(int row) const {
    const QListWidgetItem* shown = item(row);
    return shown ? shown->data(Qt::UserRole).toInt() : -1;
}

int PartialListView::next_pick(int row, int step) const {
    for (; row >= 0 && row < count(); row += step) {
        if (history_row(row) >= 0) return row;
    }
    return -1;
}

bool PartialListView::enter() {
    const int first = next_pick(0, 1);
    if (first < 0) return false;
    setCurrentRow(first);
    setFocus(Qt::OtherFocusReason);
    return true;
}

void PartialListView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Down || key == Qt::Key_Up) {
        const int step = key == Qt::Key_Down ? 1 : -1;
        const int next = next_pick(currentRow() + step, step);
        if (next >= 0) {
            setCurrentRow(next);
        } else if (key == Qt::Key_Up) {
            emit left();
        }
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (history_row(currentRow()) >= 0) emit picked(history_row(currentRow()));
    } else if (key == Qt::Key_Escape) {
        emit left();
    } else {
        QListWidget::keyPressEvent(event);
    }
}

}  // namespace zelora::ui
