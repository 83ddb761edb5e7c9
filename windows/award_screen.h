#pragma once

#include "base/window.h"
#include "windows/window_id.h"

namespace zelora {

// The rules of the I-QRP Club Award, shown in the award window.
inline constexpr const char* kAwardRulesAddress = "https://www.zelora-qrp.example/award";

// The award window (Form9, "I-QRP Club Awars").
class AwardScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::award;
    explicit AwardScreen(WindowSet& windows) : Window(windows) {}

    void Command1_Click();  // "Chiudi"
};

}  // namespace zelora
