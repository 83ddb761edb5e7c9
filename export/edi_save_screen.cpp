#include "export/edi_save_screen.h"

#include <algorithm>
#include <string_view>

#include "base/files.h"
#include "base/window_set.h"

namespace zelora {
namespace {

// A name that stays a plain file in the program directory: nothing that climbs out of it,
// names another drive or directory, or hides control characters.
bool valid_file_name(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F;
    });
}

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
    std::string name = Text2.text();
    // A portable callsign ("/P") in the proposed name must not make a directory of it.
    if (name.size() > 5) {
        std::replace(name.begin(), name.end(), '/', '_');
        Text2.set(name);
    }
    if (Text1.text().empty()) return;
    const Platform& platform = windows().platform();
    if (!valid_file_name(name)) {
        platform.inform("Nome del file non valido: " + name);
        return;
    }
    const std::string path = path_in(platform.program_directory, name);
    if (!replace_file(path, with_crlf_line_ends(Text1.text()))) {
        report_write_error(platform, path);
        return;
    }
    platform.inform("Il Log del Contest e' stato salvato in " + path);
}

void EdiSaveScreen::Command2_Click() {
    windows().close(kId);
}

}  // namespace zelora
