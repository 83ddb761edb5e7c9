#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/control.h"
#include "base/platform.h"
#include "base/window.h"
#include "base/window_set.h"
#include "core/contest_totals.h"
#include "core/log_list.h"
#include "core/qso_index.h"
#include "core/qso_record.h"
#include "geo/pointing.h"
#include "windows/history_aids.h"
#include "windows/operator_aids.h"
#include "windows/station_control.h"
#include "windows/window_id.h"

namespace zelora {

// Key codes of the mode box.
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;

// The organisers' address for the submission of the log.
inline constexpr const char* kLogSubmissionAddress = "contest@zelora-qrp.example";

// The main logging window (Form1): owner of the contest while the program runs.
class MainLogScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::main_log;
    explicit MainLogScreen(WindowSet& windows);

    // Entry row: the QSO being typed, in tab order.
    Control Text1{"001"};  // "QSO #": number of this QSO
    Control Text2;         // "Data": DD/MM/YY
    Control Text3;         // "UTC": HH.MM
    Control Text4{"144"};  // "Mhz": frequency, read-only
    Control Text5{"SSB"};  // mode, changed with Up and Down only
    Control Text6;         // "Callsign"
    Control Text7{"59"};   // "RST-tx"
    Control Text8{"59"};   // "RST-rx"
    Control Text9;         // "Prog": serial received
    Control Text10;        // "Locatore": the QSO's locator
    Control Text11;        // "I-QRP MQC": member number

    // Distance and heading of the locator being typed.
    Control Label12{"QRB:", false};
    Control Label13{"", false};  // QRB value, km
    Control Label14{"QTF:", false};
    Control Label15{"", false};  // QTF value, degrees
    Control Label16{"Km", false};
    Control Label17{"\xB0", false};  // °

    LogList Text12;       // readable log
    LogList Text14;       // EDI log (hidden)
    Control Text15{"0"};  // mode flag (hidden): "0" on-line, "1" off-line

    // Frame "Contest".
    Control Label19{"0"};    // QSO count
    Control Label21{"0"};    // distance sum
    Control Label23{"0"};    // multipliers
    Control Label25{"0"};    // points
    Control Label44{"0"};    // average distance
    Control Label27{"..."};  // ODX callsign
    Control Label28{"..."};  // ODX locator
    Control Label29{"0"};    // ODX distance
    Control Label51{"0"};    // I-QRP count
    Control Label52{"0"};    // MQC count
    // Shown while the last save of parziale.db failed: the QSOs since live only in this window.
    Control Label55{"parziale.db NON salvato", false};

    // Frame "Stazione".
    Control Label39{"..."};  // own callsign
    Control Label40{"..."};  // own locator
    Control Label41{"..."};  // own I-QRP number
    Control Label42{"..."};  // own MQC number
    Control Label46{"on-line"};
    Control Label47{"User"};  // account
    Control Label54{"I.Q.C.A. Award", false};
    Control Picture3{"", false};  // award picture

    // Buttons whose visibility changes.
    Control Command9{"", false};  // fill date and time from the clock (off-line only)
    Control Command11{"Amministrazione", false};

    // Pointing display.
    TwipLine Line1 = kNeedleAtStart;  // compass needle
    TwipLine Line2 = kBarAtStart;     // distance bar
    std::function<void()> on_pointing_changed;

    // Duplicate mark, partial check, member hint and QSO rate.
    OperatorAids aids{qsos_, windows().platform()};
    // The radio and the rotator: status line, mode and frequency, "Punta" and "Ferma".
    StationControl station{*this, windows()};
    // The stations of earlier contests: known locator, partial list, import.
    HistoryAids history{*this, windows().platform()};

    // Each logged QSO's own fields, beside the lists.
    const QsoIndex& qsos() const { return qsos_; }
    // QSO `index` (0-based) as the readable log shows it: a restored QSO's readable line may
    // have been edited apart from its EDI line, and the operator goes by what the log shows.
    QsoRecord shown_qso(std::size_t index) const;

    ContestTotals totals() const;
    QsoRecord entry() const;

    void Form_Load() override;
    void Form_Unload() override;

    void Text5_KeyDown(int key_code);
    // Enter or Return in an entry box: the box is left as with the mouse, then "OK".
    void EnterPressed();

    void Command1_Click();   // "OK": accept the QSO and save the contest
    void Command2_Click();   // "Crea LOG": open the EDI header window
    void Command3_Click();   // "Esci"
    void Command4_Click();   // "apri_parz": restore the partial state
    void Command5_Click();   // "Modifica QSO": open the correction window
    void Command6_Click();   // "STAT": open the statistics window
    void Command7_Click();   // switch mode
    void Command8_Click();   // scroll the log to its end
    void Command9_Click();   // fill date and time from the clock
    void Command10_Click();  // back to start
    void Command11_Click();  // "Amministrazione"
    void Picture3_Click();   // open the award window

    // The checks of "OK" and, when they pass, the logging of the QSO in the entry row, without
    // saving the contest. True when the QSO was logged.
    bool AcceptQso();

    // Writes parziale.db from the contest as it stands (nothing while the log is empty). False
    // when it could not be written: the failure is told once while it lasts, and Label55
    // shows it until a save succeeds. An unreadable parziale.db is never replaced: it is kept
    // under another name first.
    bool SavePartialState();
    // Run about once a minute: a failed save is tried again, so that the contest reaches the
    // file as soon as the folder can be written again.
    void RetrySave();

    // A correction of QSO `index` (0-based, log order): its record, both of its lines in every
    // log list that holds them, and the totals as if it had been logged so. Not saved here.
    void ReplaceQso(std::size_t index, QsoRecord corrected);

    // The readable log asks for its caret at the end (the log scrolls to its last line).
    std::function<void()> on_scroll_log;

  private:
    friend class StationControl;
    bool online() const;
    bool LoadStationProfile();
    void FillDateAndTime(const DateTime& when);
    void HideDistanceBar();
    void ClockRefresh();
    void AdministratorCheck();
    void AddToTotals(const QsoRecord& qso);
    void ShowTotals(const ContestTotals& totals);
    void PrepareNextQso();
    // Before the contest leaves the window: true when it is saved, or when the operator, told
    // that it is not and where, chooses to close all the same.
    bool MayEndContest();
    bool KeepUnreadableContest(const std::string& path);
    void ShowDistanceLabels(bool visible);
    void RecalculateDistance();

    void Text1_Change();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text6_Change();
    void Text9_GotFocus();
    void Text9_LostFocus();
    void Text10_Change();
    void Text10_GotFocus();
    void Text11_Change();
    void Text15_Change();
    void Label13_Change();
    void Label15_Change();
    void Label39_Change();
    void Label51_Change();

    QsoIndex qsos_;
    std::size_t restored_qsos_ = 0;    // the first QSOs of the index, taken from parziale.db
    std::int64_t highest_number_ = 0;  // of every QSO number logged or shown in the log
};

// Program start: what an interrupted save left is cleared away, then the main window loads, and
// shows itself unless its load hid it.
void start_program(WindowSet& windows);

}  // namespace zelora
