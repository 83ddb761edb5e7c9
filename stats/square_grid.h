#pragma once
// The map of the squares worked: 19 rows of 13 four-character squares, north at the top and
// west on the left (2 to 28 degrees east, 36 to 55 degrees north).

#include <string>

namespace zelora {

inline constexpr int kGridRows = 19;
inline constexpr int kGridColumns = 13;
inline constexpr int kSquareLength = 4;

// The square of a cell, such as "JO14" at row 0, column 0 and "KM36" at row 18, column 12.
std::string grid_square(int row, int column);

// The whole grid as text: the rows joined by CR LF, with no line end after the last.
std::string square_grid_text();

}  // namespace zelora
