#include "geo/bearing_calculator_screen.h"

#include "core/window_set.h"

namespace zelora {

BearingCalculatorScreen::BearingCalculatorScreen(WindowSet& windows) : Window(windows) {}

void BearingCalculatorScreen::Calculate() {}

void BearingCalculatorScreen::Command2_Click() { windows().close(WindowId::bearing_calculator); }

}  // namespace zelora
