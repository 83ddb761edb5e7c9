#pragma once
// The program's message boxes: one title, the information icon for what the operator is told
// and the critical one for what went wrong, and the file-error notices.

#include <string>

#include "base/files.h"
#include "base/platform.h"

namespace zelora {

inline constexpr const char* kMessageTitle = "Zelora VHF qrp Test";

void inform(const Platform& platform, const std::string& text);
void alert(const Platform& platform, const std::string& text);
// A question under the same title: true only when the operator answers "Si".
bool ask(const Platform& platform, const std::string& text);

// "Impossibile leggere il file " / "Impossibile scrivere il file " followed by the path.
void report_read_error(const Platform& platform, const std::string& path);
void report_write_error(const Platform& platform, const std::string& path);

// The lines of a file that may be missing, with the read notice when it exists but cannot be
// read.
FileLines read_lines(const Platform& platform, const std::string& path);

}  // namespace zelora
