#pragma once

#include "base/control.h"
#include "base/window.h"
#include "windows/window_id.h"

namespace zelora {

// The EDI save window (Form4): the finished log, which the operator may still edit, and the
// name of its file in the program directory; the log may also go out as ADIF.
class EdiSaveScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::edi_save;
    explicit EdiSaveScreen(WindowSet& windows) : Window(windows) {}

    Control Text1;  // the log text, multi-line
    Control Text2;  // "Nome del Log": the file name

    // The window's commands; the view sets them in one column.
    void Command1_Click();  // "Salva"
    void Command2_Click();  // "Esci"
    void Command3_Click();  // "Esporta ADIF": the QSOs of the main window, named after the callsign
};

}  // namespace zelora
