#include "core/qso_lines.h"

namespace zelora {

std::string qso_list_line(const QsoRecord&) { return {}; }
std::string edi_qso_line(const QsoRecord&) { return {}; }
QsoRecord qso_from_edi_line(std::string_view) { return {}; }

}  // namespace zelora
