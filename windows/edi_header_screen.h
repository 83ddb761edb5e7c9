#pragma once

#include "base/control.h"
#include "base/window.h"
#include "core/log_list.h"
#include "export/edi_log_text.h"
#include "windows/window_id.h"

namespace zelora {

// The EDI header window (Form2): the header of the EDI log and the QSO buffer that forms
// its body. It is only ever hidden, never closed, while the contest runs: closing it would lose
// the buffer and everything typed, and a second log would lack every earlier QSO.
class EdiHeaderScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::edi_header;
    explicit EdiHeaderScreen(WindowSet& windows);

    LogList Text1;                            // EdiQsoBuffer: the EDI log's QSO lines
    Control Text2;                            // "Nominativo": callsign
    Control Text3;                            // "Locatore": locator
    Control Text4{"Zelora VHF qrp Contest"};  // "Contest"
    Control Combo1{"0,5 watt"};               // "Categoria": power category, free text too
    Control Text5{"144"};                     // "Banda", read-only
    Control Text6{"gg/mm/aaaa"};              // "Data": the contest's date
    Control Text7;                            // "Nome - Cognome"
    Control Text8;                            // "Indirizzo"
    Control Text9;                            // "CAP"
    Control Text10;                           // "Città"
    Control Text11;                           // "Nazione"
    Control Text12;                           // "Telefono"
    Control Text13;                           // "Email"
    Control Text14;                           // "Operatori": operators
    Control Text15;                           // "Club"
    Control Text16;                           // "Ricevitore"
    Control Text17;                           // "Trasmettitore"
    Control Text18;                           // "Antenne"
    Control Text19;                           // "Potenza (w)"
    Control Text20;                           // "Altezza Antenne (m)"
    Control Text21;                           // "Altitudine (m aslm)"
    Control Text22;                           // "Commenti", multi-line

    EdiHeader header() const;

    void Form_Load() override;

    void Command1_Click();  // "Chiudi"
    void Command2_Click();  // "Crea EDI"
};

}  // namespace zelora
