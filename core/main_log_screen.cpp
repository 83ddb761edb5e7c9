#include "core/main_log_screen.h"

#include "core/window_set.h"

namespace zelora {

MainLogScreen::MainLogScreen(WindowSet& windows) : Window(windows) {}

ContestTotals MainLogScreen::totals() const { return {}; }
QsoRecord MainLogScreen::entry() const { return {}; }
void MainLogScreen::Form_Load() { set_visible(true); }
void MainLogScreen::Form_Unload() {}
void MainLogScreen::Text5_KeyDown(int) {}
void MainLogScreen::EnterPressed() {}
void MainLogScreen::Command1_Click() {}
void MainLogScreen::Command2_Click() {}
void MainLogScreen::Command3_Click() {}
void MainLogScreen::Command4_Click() {}
void MainLogScreen::Command5_Click() {}
void MainLogScreen::Command6_Click() {}
void MainLogScreen::Command7_Click() {}
void MainLogScreen::Command8_Click() {}
void MainLogScreen::Command9_Click() {}
void MainLogScreen::Command10_Click() {}
void MainLogScreen::Command11_Click() {}
void MainLogScreen::Picture3_Click() {}
void MainLogScreen::SavePartialState() {}

}  // namespace zelora
