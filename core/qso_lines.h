#pragma once
// The two lines every accepted QSO becomes. Both are returned without their CR LF, which the
// log lists add.

#include <optional>
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
// carry, and the mode of a code other than "1" and "0". A plain distance gets back the leading
// blank of the calculator's result (" 523"), except "1".
QsoRecord qso_from_edi_line(std::string_view line);

// The fields a readable line shows (all but the sent report and the distance), when the line is
// one that qso_list_line writes for them; nothing for any other line.
std::optional<QsoRecord> qso_from_list_line(std::string_view line);

// The fields of the EDI line in the forms of the entry row and back.
std::string mode_code(const std::string& mode);     // "SSB" gives "1", "CW" "0", others ""
std::string mode_from_code(std::string_view code);  // "1" gives "SSB", "0" "CW", others ""
std::string edi_date(const std::string& date);      // "19/07/20" gives "200719"
std::string edi_time(const std::string& time);      // "07.20" gives "0720"
std::string date_from_edi(std::string_view date);   // "200719" gives "19/07/20", "" stays
std::string time_from_edi(std::string_view time);   // "0720" gives "07.20", "" stays

}  // namespace zelora
