#pragma once

#include "base/window.h"
#include "windows/window_id.h"

namespace zelora {

// The administration window (Form10, "Zelora VHF qrp - Amministrazione").
class AdminScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::admin;
    explicit AdminScreen(WindowSet& windows) : Window(windows) {}

    void Command1_Click();  // "Chiudi"
    void Command2_Click();  // the picture button beside "Database I-QRP e MQC"
};

}  // namespace zelora
