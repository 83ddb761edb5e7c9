#include "core/notices.h"

namespace zelora {

void inform(const Platform& platform, const std::string& text) {
    platform.messages.show(kMessageTitle, text, MessageIcon::information);
}

void alert(const Platform& platform, const std::string& text) {
    platform.messages.show(kMessageTitle, text, MessageIcon::critical);
}

bool ask(const Platform& platform, const std::string& text) {
    return platform.messages.ask(kMessageTitle, text);
}

void report_read_error(const Platform& platform, const std::string& path) {
    alert(platform, "Impossibile leggere il file " + platform.shown_path(path));
}

void report_write_error(const Platform& platform, const std::string& path) {
    alert(platform, "Impossibile scrivere il file " + platform.shown_path(path));
}

FileLines read_lines(const Platform& platform, const std::string& path) {
    FileLines result = read_lines(path);
    if (result.exists && !result.readable) report_read_error(platform, path);
    return result;
}

}  // namespace zelora
