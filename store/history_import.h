#pragma once
// What the history learns from: EDI (REG1TEST) and ADIF logs chosen by the operator, and the
// contest's own QSOs.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/platform.h"
#include "core/qso_record.h"
#include "store/call_history.h"

namespace zelora {

// What one log text gave.
struct HistoryRead {
    bool recognised = false;  // the text is a log of its kind
    std::size_t skipped = 0;  // QSO records that gave no entry
};

// The QSO records of an EDI text into `batch`: the lines after a "[QSORecords" line up to the
// next line starting with "[", fields separated by ";": the date (YYMMDD, of the years 2000 to
// 2099) first, the time second, the callsign third and the locator tenth. A record of fewer than
// 10 fields, or whose fields do not make an entry, is skipped; the fields after the tenth are
// not read. Not recognised without a "[QSORecords" line (in any case).
HistoryRead read_edi_history(std::string_view text, HistoryBatch& batch);

// The records of an ADIF text into `batch`: CALL, GRIDSQUARE (exactly 6 characters),
// QSO_DATE and TIME_ON, tag names in any case, each record ended by <EOR> (the last one also by
// the end of the text). What comes before <EOH> is the header; without <EOH> the text holds
// only records. A record that lacks one of the three fields, or whose own fields have a
// declared length that does not fit (running into the next tag, past the end of the text, or
// short of the characters before the next tag), is skipped. Recognised once an <EOH>, an
// <EOR> or a CALL field is found.
HistoryRead read_adif_history(std::string_view text, HistoryBatch& batch);

// What the files of one import gave.
struct HistoryImport {
    std::vector<HistoryEntry> entries;      // the newest QSO of each callsign in all the files
    std::size_t files_read = 0;             // files read as logs
    std::vector<std::string> unread_files;  // paths as given: unreadable, or not a log
    std::size_t skipped = 0;                // QSO lines and records that gave no entry
};

// Reads the files in the order given: ".adi" and ".adif" (in any case) as ADIF, any other as
// EDI; a later file's QSO wins a tie as a later line does.
HistoryImport read_history_files(const std::vector<std::string>& paths);

// "Importati N nominativi da M file" (N callsigns, M files read), then on lines of their own
// "File non letti: " and the names of the unread files separated by ", ", and
// "Righe scartate: " and the number of skipped lines, each only when there are some.
std::string import_message(const HistoryImport& import);

// Reads the files and adds what they give to the history and to storico.txt, then shows the
// message above (with the critical icon when a file could not be read). When the history
// cannot be written nothing changes and only the file notice is shown. True when added.
bool import_history(const Platform& platform, CallHistory& history,
                    const std::vector<std::string>& paths);

// The contest's QSOs as the history takes them (QSOs without a readable locator left out).
std::vector<HistoryEntry> history_entries(const std::vector<QsoRecord>& qsos);

}  // namespace zelora
