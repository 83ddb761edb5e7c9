#include "ui/statistics_pictures.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "stats/square_grid.h"

namespace zelora::ui {
namespace {

constexpr int kCell = 16;    // pixels per square
constexpr int kMargin = 22;  // room for the edge letters
constexpr int kBarRow = 14;  // pixels per bar
constexpr int kLabelWidth = 64;

const QColor kWorked(40, 120, 200);
const QColor kOwn(220, 60, 40);

}  // namespace

SquareMapPicture::SquareMapPicture(const std::string& map, const std::string& own_square,
                                   QWidget* parent)
    : QWidget(parent), worked_(kGridRows * kGridColumns) {
    const std::size_t row_length = kGridColumns * kSquareLength + 2;  // with its CR LF
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const std::size_t at = row * row_length + column * kSquareLength;
            worked_[row * kGridColumns + column] =
                map.size() >= at + kSquareLength && map.compare(at, kSquareLength, "    ") == 0;
            if (grid_square(row, column) == own_square) {
                own_row_ = row;
                own_column_ = column;
            }
        }
    }
    setMinimumSize(sizeHint());
}

QSize SquareMapPicture::sizeHint() const {
    return {kMargin + kGridColumns * kCell + 2, kMargin + kGridRows * kCell + 2};
}

bool SquareMapPicture::worked(int row, int column) const {
    return worked_[row * kGridColumns + column];
}

void SquareMapPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    painter.setFont(small);
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const QRect cell(kMargin + column * kCell, kMargin + row * kCell, kCell, kCell);
            if (worked(row, column)) painter.fillRect(cell, kWorked);
            painter.setPen(palette().mid().color());
            painter.drawRect(cell);
            if (row == own_row_ && column == own_column_) {
                painter.setPen(QPen(kOwn, 3));
                painter.drawEllipse(cell.adjusted(3, 3, -3, -3));
            }
        }
    }
    // Field letter and digit of each column on top, of each row on the left: "J1", "O4".
    painter.setPen(palette().text().color());
    for (int column = 0; column < kGridColumns; ++column) {
        const std::string square = grid_square(0, column);
        painter.drawText(QRect(kMargin + column * kCell, 0, kCell, kMargin), Qt::AlignCenter,
                         QString::fromLatin1(std::string{square[0], square[2]}.c_str()));
    }
    for (int row = 0; row < kGridRows; ++row) {
        const std::string square = grid_square(row, 0);
        painter.drawText(QRect(0, kMargin + row * kCell, kMargin, kCell), Qt::AlignCenter,
                         QString::fromLatin1(std::string{square[1], square[3]}.c_str()));
    }
}

CountBarsPicture::CountBarsPicture(QStringList labels, std::vector<int> counts, QWidget* parent)
    : QWidget(parent), labels_(std::move(labels)), counts_(std::move(counts)) {
    // Shorter bars on a small screen, all of them always.
    setMinimumSize(kLabelWidth + 80, sizeHint().height());
}

QSize CountBarsPicture::sizeHint() const {
    return {kLabelWidth + 160, static_cast<int>(counts_.size()) * kBarRow + 4};
}

void CountBarsPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int most = std::max(1, *std::max_element(counts_.begin(), counts_.end()));
    const int room = width() - kLabelWidth - 40;  // the count is written after the bar
    for (std::size_t index = 0; index < counts_.size(); ++index) {
        const int top = static_cast<int>(index) * kBarRow + 2;
        painter.setPen(palette().text().color());
        painter.drawText(QRect(0, top, kLabelWidth - 6, kBarRow), Qt::AlignRight | Qt::AlignVCenter,
                         labels_.value(static_cast<qsizetype>(index)));
        const int length = counts_[index] * room / most;
        painter.fillRect(QRect(kLabelWidth, top + 2, length, kBarRow - 4), kWorked);
        painter.drawText(QRect(kLabelWidth + length + 4, top, 40, kBarRow),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(counts_[index]));
    }
}

}  // namespace zelora::ui
