#pragma once

#include <cstddef>
#include <optional>

#include "base/control.h"
#include "base/window.h"
#include "windows/window_id.h"

namespace zelora {

// The QSO correction window (Form6): finds a logged QSO by its callsign, shows its fields in
// the forms of its EDI line, and rewrites the QSO with what the operator changed.
class QsoEditScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::qso_edit;
    explicit QsoEditScreen(WindowSet& windows);

    Control Text1;  // "Call del QSO da modificare": the callsign to find
    Control Text2;  // "Call"
    Control Text3;  // "Data": YYMMDD
    Control Text4;  // "Ora": HHMM
    Control Text5;  // "Locatore"
    Control Text6;  // "Modo": "1" SSB, "0" CW
    Control Text7;  // "RSTr": report received
    Control Text8;  // "Progressivo": serial received
    Control Text9;  // "I-QRP-MQC": member number

    // Never shown: each field as the search showed it, so that "Modifica" writes only what the
    // operator changed.
    Control Label9{"", false};   // callsign
    Control Label10{"", false};  // date
    Control Label11{"", false};  // time
    Control Label12{"", false};  // locator
    Control Label13{"", false};  // mode
    Control Label14{"", false};  // report received
    Control Label15{"", false};  // serial received
    Control Label18{"", false};  // member number

    void Form_Load() override;

    void Command3_Click();  // "OK": find the QSO
    void Command1_Click();  // "Modifica": write the corrections and save the contest
    void Command2_Click();  // "Chiudi"

    enum class Correction { refused, unchanged, written };
    // The checks of "Modifica" and, when they pass, the rewriting of the found QSO in the log,
    // without saving the contest. Needs a current search.
    Correction CorrectFoundQso();

  private:
    void Text6_Change();
    void ClearFields();
    Correction Refuse(const char* message, Control& box);

    std::optional<std::size_t> found_;  // the QSO of the last search, until it is written
};

}  // namespace zelora
