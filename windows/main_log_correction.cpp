// The main window's side of a QSO correction: the log lists, the QSO's record and the totals.
#include <utility>

#include "core/qso_lines.h"
#include "edit/qso_correction.h"
#include "windows/edi_header_screen.h"
#include "windows/main_log_screen.h"

namespace zelora {

void MainLogScreen::ReplaceQso(std::size_t index, QsoRecord corrected) {
    const std::size_t count = qsos_.qsos().size();
    if (index >= count) return;
    // A QSO restored from its EDI line has no frequency of its own; the log has one band, the
    // frequency box's, which the operator cannot change.
    if (corrected.frequency.empty()) corrected.frequency = Text4.text();
    const std::string edi_line = edi_qso_line(corrected);
    if (windows().is_open(WindowId::edi_header)) {
        replace_qso_line(windows().get<EdiHeaderScreen>().Text1, index, count, edi_line);
    }
    replace_qso_line(Text12, index, count, qso_list_line(corrected));
    replace_qso_line(Text14, index, count, edi_line);
    qsos_.replace(index, std::move(corrected));
    ShowTotals(totals_of(qsos_));
}

}  // namespace zelora
