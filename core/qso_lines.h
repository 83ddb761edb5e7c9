#pragma once
// The two lines every accepted QSO becomes. Both are returned without their CR LF, which the
// log lists add.

#include <string>
#include <string_view>

#include "core/qso_record.h"

namespace zelora {

// The readable log line, such as
// "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN81GD   I003".
// A callsign shorter than 11 characters is padded to 12; a longer one is not padded.
std::string qso_list_line(const QsoRecord& qso);

// The REG1TEST QSO record: "200719;0720;ZZ9XA;1;59;001;59;005;I003;JN81GD;523;;;;"
// Mode code "1" for SSB, "0" for CW, empty for any other mode text.
std::string edi_qso_line(const QsoRecord& qso);

// The QSO an EDI line describes, as far as its fields go (a restored log has no other record
// of its QSOs). Missing fields are empty, and so are the frequency, which the line does not
// carry, and the mode of a code other than "1" and "0".
QsoRecord qso_from_edi_line(std::string_view line);

}  // namespace zelora
