#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace zelora::ui {

QFont fixed_pitch_font() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

}  // namespace zelora::ui
