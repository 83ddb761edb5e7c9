#include "core/start_screen.h"

#include "core/window_set.h"

namespace zelora {

void StartScreen::Command1_Click() {}
void StartScreen::Command2_Click() {}
void StartScreen::Form_Close() { windows().close(WindowId::start); }

}  // namespace zelora
