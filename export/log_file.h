#pragma once
// The log files the operator saves: named after the station, written into the program
// directory.

#include <string>
#include <string_view>

#include "base/platform.h"

namespace zelora {

// A portable callsign ("/P") in a proposed name must not make a directory of it: every "/" of a
// name longer than 5 characters becomes "_". A shorter name stays as it is and is refused.
std::string with_slashes_replaced(std::string name);

// Writes `bytes` as the file `name` of the program directory, replaced atomically, and tells the
// operator: "Nome del file non valido: " + name when the name is not a plain file there or is
// one of the program's own files (nothing is written), the file-error message when writing fails, `saved` + the path when it is done.
// True when written.
bool save_log_file(const Platform& platform, const std::string& name, std::string_view bytes,
                   const std::string& saved);

}  // namespace zelora
