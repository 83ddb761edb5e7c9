#include "windows/report_screen.h"
#include "core/notices.h"

#include <string>

#include "base/files.h"
#include "base/window_set.h"

namespace zelora {

void ReportScreen::SaveReport() {
    if (Text1.text().empty()) return;
    const Platform& platform = windows().platform();
    const std::string path = path_in(platform.program_directory, kReportFileName);
    // On failure the old report stays whole and the text stays here to be saved again.
    if (!replace_file(path, Text1.text() + "\r\n")) {
        report_write_error(platform, path);
        return;
    }
    inform(platform, "Log salvato in " + path);
}

void ReportScreen::Command2_Click() {
    windows().close(kId);
}

}  // namespace zelora
