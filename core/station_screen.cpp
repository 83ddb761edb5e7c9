#include "core/station_screen.h"

#include "core/window_set.h"

namespace zelora {

StationScreen::StationScreen(WindowSet& windows) : Window(windows) {}
void StationScreen::Command1_Click() {}
void StationScreen::Command2_Click() { windows().close(WindowId::station); }

}  // namespace zelora
