#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "base/control.h"
#include "base/platform.h"
#include "store/call_history.h"

namespace zelora {

class MainLogScreen;

// The stations of earlier contests at the main window: what the history knows of the callsign
// being typed, its locator filled in, the history's stations under the worked ones in the
// partial list, and the import of old logs. Like the other aids it changes no check of "OK":
// a filled locator is checked as a typed one.
class HistoryAids {
  public:
    HistoryAids(MainLogScreen& main, const Platform& platform) : main_(main), platform_(platform) {}

    Control HistoryMark;  // "Storico: JN45LL (19/07/2020)": the callsign box holds a known station
    Control HistoryList;  // stations of the history containing the typed text, not worked yet,
                          // one partial-list line each
    Control FilledLocator;  // the locator the history put in the locator box, while the box
                            // still holds it as put; empty otherwise

    const CallHistory& history() const { return history_; }

    // storico.txt read at the main window's load.
    void Load();
    // The callsign box changed.
    void CallsignTyped();
    // The operator leaves the callsign box: an empty locator box, or one still holding what the
    // history put there, takes the history's locator of the callsign (or is emptied again).
    void CallsignLeft();
    // The locator box changed.
    void LocatorChanged();
    // Row `row` of HistoryList chosen: its callsign and locator go into the entry row, and the
    // caret into "Prog", the box left to type.
    void Pick(std::size_t row);
    // "Importa storico": the logs the operator chooses are added to the history.
    void ImportClick();
    // "Nuovo Contest": the contest saved in parziale.db is added to the history before a new
    // one replaces it.
    void LearnSavedContest();

  private:
    static constexpr std::size_t kListedStations = 10;

    MainLogScreen& main_;
    const Platform& platform_;
    CallHistory history_;
    std::vector<std::pair<std::string, std::string>> listed_;  // HistoryList's callsigns, locators
};

// "Nuovo Contest" without a main window (back at the start dialog): the contest saved in
// parziale.db added to storico.txt.
void learn_saved_contest(const Platform& platform);

// One row of the partial list as shown: the worked callsigns, then under a heading the
// history's stations, which the operator can pick.
struct PartialRow {
    enum class Kind { worked, heading, history };
    Kind kind;
    std::string text;
    std::size_t history_row = 0;  // of a history row: what HistoryAids::Pick takes

    bool operator==(const PartialRow&) const = default;
};
// From the texts of OperatorAids::PartialList and HistoryAids::HistoryList.
std::vector<PartialRow> partial_rows(const std::string& worked_lines,
                                     const std::string& history_lines);

}  // namespace zelora
