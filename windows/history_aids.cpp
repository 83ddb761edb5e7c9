#include "windows/history_aids.h"

#include <optional>
#include <string_view>

#include "base/files.h"
#include "core/log_search.h"
#include "core/notices.h"
#include "core/qso_lines.h"
#include "store/history_import.h"
#include "store/partial_state_file.h"
#include "windows/main_log_screen.h"
#include "windows/operator_aids.h"

namespace zelora {
namespace {

// The QSOs of the contest saved in parziale.db, as the history takes them.
std::vector<HistoryEntry> saved_contest_entries(const Platform& platform) {
    const FileLines file =
        read_lines(platform, path_in(platform.program_directory, kPartialStateFileName));
    std::vector<QsoRecord> qsos;
    for (const StateEntry& entry : parse_partial_state(file.lines)) {
        if (entry.key == StateKey::qso_edi) qsos.push_back(qso_from_edi_line(entry.value));
    }
    return history_entries(qsos);
}

// "YYYYMMDD" as "DD/MM/YYYY".
std::string shown_date(std::string_view date) {
    return std::string(date.substr(6, 2)) + "/" + std::string(date.substr(4, 2)) + "/" +
           std::string(date.substr(0, 4));
}

}  // namespace

void HistoryAids::Load() {
    history_.load(platform_);
    CallsignTyped();
}

void HistoryAids::CallsignTyped() {
    const std::string& callsign = main_.Text6.text();
    const std::optional<HistoryStation> known =
        callsign.empty() ? std::nullopt : history_.find(callsign);
    HistoryMark.set(!known ? ""
                           : "Storico: " + std::string(known->locator) + " (" +
                                 shown_date(known->date) + ")");

    listed_.clear();
    std::string lines;
    if (callsign.size() >= kShortestPartialText) {
        // A station already worked is in the list above, and a pick of it would be refused.
        for (const HistoryStation& station : history_.containing(callsign, 2 * kListedStations)) {
            if (listed_.size() == kListedStations) break;
            std::string listed(station.callsign);
            if (main_.qsos().worked(listed)) continue;
            lines += partial_list_line(station.callsign, station.locator);
            listed_.emplace_back(std::move(listed), station.locator);
        }
    }
    HistoryList.set(lines);
}

void HistoryAids::CallsignLeft() {
    // A locator the operator typed or changed stays; one the history put for another callsign
    // would be logged with the wrong station.
    if (!main_.Text10.text().empty() && FilledLocator.text().empty()) return;
    const std::string& callsign = main_.Text6.text();
    const std::optional<HistoryStation> known =
        callsign.empty() ? std::nullopt : history_.find(callsign);
    const std::string locator = known ? std::string(known->locator) : "";
    FilledLocator.set(locator);  // first, so that the box's change keeps the mark
    main_.Text10.set(locator);
}

void HistoryAids::LocatorChanged() {
    if (main_.Text10.text() != FilledLocator.text()) FilledLocator.set("");
}

void HistoryAids::Pick(std::size_t row) {
    if (row >= listed_.size()) return;
    // Copied: the callsign's change lists again.
    const auto [callsign, locator] = listed_[row];
    main_.Text6.set(callsign);
    FilledLocator.set(locator);
    main_.Text10.set(locator);
    main_.focus(main_.Text9);
}

void HistoryAids::ImportClick() {
    if (!platform_.files) return;
    const std::vector<std::string> paths =
        platform_.files->choose_files("Importa storico", platform_.program_directory,
                                      "Log EDI e ADIF (*.edi *.adi *.adif);;Tutti i file (*)");
    if (paths.empty()) return;  // cancelled
    if (import_history(platform_, history_, paths)) CallsignTyped();
}

void HistoryAids::LearnSavedContest() {
    if (history_.add(platform_, saved_contest_entries(platform_))) CallsignTyped();
}

void learn_saved_contest(const Platform& platform) {
    CallHistory history;
    history.load(platform);
    if (history.unreadable()) return;  // told by the load; it would be told again
    history.add(platform, saved_contest_entries(platform));
}

std::vector<PartialRow> partial_rows(const std::string& worked_lines,
                                     const std::string& history_lines) {
    std::vector<PartialRow> rows;
    for (std::string& line : split_lines(worked_lines))
        rows.push_back({PartialRow::Kind::worked, std::move(line)});
    const std::vector<std::string> history = split_lines(history_lines);
    if (history.empty()) return rows;
    rows.push_back({PartialRow::Kind::heading, "Storico"});
    for (std::size_t i = 0; i < history.size(); ++i)
        rows.push_back({PartialRow::Kind::history, history[i], i});
    return rows;
}

}  // namespace zelora
