#pragma once

#include <string>

#include "base/control.h"
#include "base/window.h"
#include "windows/window_id.h"

namespace zelora {

struct LocatorResult;

// The bearing utility (Form22222): never shown by the program, its four fields are the inputs
// and outputs of every distance and heading. Each change of Km and Bearing is handed over to
// the main window's QRB and QTF values.
class BearingCalculatorScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::bearing_calculator;
    explicit BearingCalculatorScreen(WindowSet& windows);

    Control Text3{"JN81GD"};  // Locator 1: the own locator
    Control Text5{"..."};     // Locator 2: the other station's locator
    Control Text6{"..."};     // Km: distance result
    Control Text1{"..."};     // Bearing: bearing result

    void SetLocator1(const std::string& locator) { Text3.set(locator); }
    void SetLocator2(const std::string& locator) { Text5.set(locator); }
    void Calculate();

    void Command1_Click() { Calculate(); }  // "Calculate"
    void Command2_Click();                  // "Exit"

  private:
    void ClearFailedLocators(const LocatorResult& result);

    void Text3_Change();
    void Text5_Change();
    void Text6_Change();
    void Text1_Change();
};

}  // namespace zelora
