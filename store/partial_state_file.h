#pragma once
// parziale.db: the contest in progress, carried from one run of the program to the next.

#include <string>
#include <vector>

#include "core/contest_totals.h"
#include "core/log_list.h"
#include "core/program_files.h"

namespace zelora {

enum class StateKey {
    qso_number,  // QSO#: the number the next QSO will get
    contest_qso,
    contest_qrb,
    contest_molt,
    contest_punti,
    contest_media,
    contest_odx_call,
    contest_odx_loc,
    contest_odx_qrb,
    contest_iqrp,
    contest_mdc,
    lista_qso,  // one line of the readable log
    qso_edi,    // one line of the EDI log
};

struct StateEntry {
    StateKey key;
    std::string value;

    bool operator==(const StateEntry&) const = default;
};

// The file text: the QSO number and the totals, one key line each, then one LISTA_QSO line per
// readable-log line and one QSO_EDI line per EDI-log line, each block closed by the key alone
// with its blank.
std::string partial_state_text(const std::string& qso_number, const ContestTotals& totals,
                               const LogList& readable_log, const LogList& edi_log);

// What the file's lines give, in file order: every line tested against every key. Lines that
// match no key, list lines of one character or less after the key, and key lines shorter than
// the key and its blank are skipped.
std::vector<StateEntry> parse_partial_state(const std::vector<std::string>& lines);

}  // namespace zelora
