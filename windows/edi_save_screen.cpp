#include "windows/edi_save_screen.h"
#include "core/notices.h"

#include <string_view>
#include <vector>

#include "base/window_set.h"
#include "export/adif_log.h"
#include "export/log_file.h"
#include "windows/edi_header_screen.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

// The file keeps CR LF line ends, whatever ends the editing left in the text.
std::string with_crlf_line_ends(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            result += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

void EdiSaveScreen::Command1_Click() {
    const std::string name = with_slashes_replaced(Text2.text());
    if (name != Text2.text()) Text2.set(name);
    if (Text1.text().empty()) return;
    save_log_file(windows().platform(), name, with_crlf_line_ends(Text1.text()),
                  "Il Log del Contest e' stato salvato in ");
}

void EdiSaveScreen::Command2_Click() {
    windows().close(kId);
}

void EdiSaveScreen::Command3_Click() {
    WindowSet& set = windows();
    const Platform& platform = set.platform();
    // Written from the log, whatever the text box holds. An empty log would only replace an
    // earlier export of the same callsign with nothing.
    const std::vector<QsoRecord>& qsos = set.get<MainLogScreen>().qsos().qsos();
    if (qsos.empty()) {
        inform(platform, "Nessun QSO da esportare");
        return;
    }
    const EdiHeaderScreen& header = set.get<EdiHeaderScreen>();
    // The file is named after the callsign: without one it would be a hidden ".adi".
    if (header.Text2.text().find_first_not_of(' ') == std::string::npos) {
        inform(platform,
               "Inserire il Nominativo nella finestra \"Compilazione Log formato EDI\": "
               "il file ADIF prende il suo nome");
        return;
    }
    const AdifStation station{header.Text2.text(), header.Text3.text(), header.Text14.text(),
                              header.Text19.text(), platform.clock.utc_now()};
    save_log_file(platform, adif_file_name(station.callsign), adif_log(qsos, station),
                  "Log ADIF salvato in ");
}

}  // namespace zelora
