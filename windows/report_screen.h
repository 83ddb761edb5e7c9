#pragma once

#include "base/control.h"
#include "base/window.h"
#include "core/program_files.h"
#include "windows/window_id.h"

namespace zelora {

// The report window (Form8, "Zelora QRP Test - Report"): the statistics report, which the
// operator may read, edit and save.
class ReportScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::report;
    explicit ReportScreen(WindowSet& windows) : Window(windows) {}

    Control Text1;  // the report text, each "Report" appended

    void SaveReport();

    void Command1_Click() { SaveReport(); }  // "Salva"
    void Command2_Click();                   // "Chiudi"
};

}  // namespace zelora
