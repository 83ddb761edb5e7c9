#include "core/program_files.h"

#include <algorithm>

namespace zelora {
namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_ignoring_case(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

bool is_program_file_name(std::string_view name, std::string_view executable) {
    return (!executable.empty() && same_ignoring_case(name, executable)) ||
           std::any_of(kProgramFileNames.begin(), kProgramFileNames.end(),
                       [name](const char* own) { return same_ignoring_case(name, own); });
}

}  // namespace zelora
