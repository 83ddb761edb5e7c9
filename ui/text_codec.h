#pragma once
// The one crossing between the logic's Windows-1252 bytes and Qt's Unicode text.

#include <QString>
#include <string>

namespace zelora::ui {

// Every byte has a character and back: the five bytes Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the code points of the same value.
QString from_cp1252(const std::string& bytes);
// Characters that Windows-1252 cannot hold become "?".
std::string to_cp1252(const QString& text);

}  // namespace zelora::ui
