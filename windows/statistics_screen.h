#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/control.h"
#include "base/window.h"
#include "stats/contest_statistics.h"
#include "windows/window_id.h"

namespace zelora {

// The statistics window (Form7, "Zelora QRP Test - Statistiche"): the statistics of the log,
// computed once when the window is created.
class StatisticsScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::statistics;
    explicit StatisticsScreen(WindowSet& windows) : Window(windows) {}

    Control Text1;                   // square map
    Control Text2;                   // square list
    Control Text3;                   // country list
    Control Text4;                   // hour table
    Control Text5;                   // sector table
    std::vector<std::string> List1;  // DX ranking

    // For the pictures beside the texts.
    std::array<int, kContestHours> hour_qsos{};
    std::array<int, kSectors> sector_qsos{};
    std::string own_square;  // the square distances are measured from

    void Form_Load() override { ComputeStatistics(); }

    void ComputeStatistics();

    void Command1_Click();  // "Chiudi"
    void Command2_Click();  // "Report"

  private:
    // Distance and bearing of one locator, through the bearing calculator.
    void measure(QsoFacts& qso) const;
};

}  // namespace zelora
