#pragma once

#include "base/control.h"
#include "base/window.h"
#include "base/window_id.h"
#include "core/log_list.h"

namespace zelora {

// The EDI header window (Form2): the header of the EDI log and the QSO buffer that forms
// its body.
class EdiHeaderScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::edi_header;
    explicit EdiHeaderScreen(WindowSet& windows) : Window(windows) {}

    LogList Text1;   // EdiQsoBuffer: the EDI log's QSO lines
    Control Text2;   // "Nominativo": callsign
    Control Text3;   // "Locatore": locator
    Control Text14;  // "Operatori": operators
};

}  // namespace zelora
