#pragma once

#include "base/control.h"
#include "base/window.h"
#include "windows/window_id.h"

namespace zelora {

// The station window (Form3, "Zelora qrp Test - Dati Stazione"): always opens with its four
// boxes empty; "Salva" rewrites config.txt from what was typed.
class StationScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::station;
    explicit StationScreen(WindowSet& windows);

    Control Text1;       // "Nominativo": own callsign
    Control Text2;       // "Locatore": own locator
    Control Text3;       // "Socio I-QRP N.": own I-QRP number
    Control Text4;       // "Socio MQC": own MQC number
    Control Text5{"0"};  // hidden off-line flag: "1" switches the main window off-line on "Salva"

    void Command1_Click();  // "Salva"
    void Command2_Click();  // "Esci"
};

}  // namespace zelora
