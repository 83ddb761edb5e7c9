#include "stats/square_grid.h"

namespace zelora {

std::string grid_square(int row, int column) {
    // Rows run JO14 down to JO10, then JN19 to JN10, then JM19 to JM16.
    const int from_top = row + 5;  // rows from JO19, the first of the 30 above JM10
    const char row_letter = static_cast<char>('O' - from_top / 10);
    const char row_digit = static_cast<char>('9' - from_top % 10);
    // Columns run J1 to J9, then K0 to K3.
    const int east = column + 1;  // columns from J0
    const char column_letter = static_cast<char>('J' + east / 10);
    const char column_digit = static_cast<char>('0' + east % 10);
    return {column_letter, row_letter, column_digit, row_digit};
}

std::string square_grid_text() {
    std::string text;
    text.reserve(kGridRows * (kGridColumns * kSquareLength + 2));
    for (int row = 0; row < kGridRows; ++row) {
        if (row > 0) text += "\r\n";
        for (int column = 0; column < kGridColumns; ++column) text += grid_square(row, column);
    }
    return text;
}

}  // namespace zelora
