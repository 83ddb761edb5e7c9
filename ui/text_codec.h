#pragma once
// The one crossing between the logic's Windows-1252 bytes and Qt's Unicode text.

#include <QString>
#include <string>

namespace zelora::ui {

QString from_cp1252(const std::string& bytes);
// Characters that Windows-1252 cannot hold become "?".
std::string to_cp1252(const QString& text);

}  // namespace zelora::ui
