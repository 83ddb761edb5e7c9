#pragma once

#include <QFont>

namespace zelora::ui {

// "Courier New", or the system's fixed-pitch font where it is missing: columns must line up.
QFont fixed_pitch_font();

}  // namespace zelora::ui
