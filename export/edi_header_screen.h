#pragma once

#include "core/control.h"
#include "core/log_list.h"
#include "core/window.h"

namespace zelora {

// The EDI header window (Form2): the header of the EDI log and the QSO buffer that forms
// its body.
class EdiHeaderScreen : public Window {
  public:
    explicit EdiHeaderScreen(WindowSet& windows) : Window(windows) {}

    LogList Text1;   // EdiQsoBuffer: the EDI log's QSO lines
    Control Text2;   // "Nominativo": callsign
    Control Text3;   // "Locatore": locator
    Control Text14;  // "Operatori": operators
};

}  // namespace zelora
