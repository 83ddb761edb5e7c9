#include "store/partial_state_file.h"

#include <string_view>

namespace zelora {
namespace {

struct KeyRule {
    StateKey key;
    std::string_view name;
    // Shortest line that holds a value: list lines need more than the key, its blank and one
    // character, which drops the empty piece closing each list block.
    std::size_t shortest_line;
};

constexpr std::size_t with_blank(std::string_view name) {
    return name.size() + 1;
}

// In the order the lines are written and tested. No name is the beginning of another, so a
// line matches one rule at most.
constexpr KeyRule kRules[] = {
    {StateKey::qso_number, "QSO#", with_blank("QSO#")},
    {StateKey::contest_qso, "CONTEST_QSO", with_blank("CONTEST_QSO")},
    {StateKey::contest_qrb, "CONTEST_QRB", with_blank("CONTEST_QRB")},
    {StateKey::contest_molt, "CONTEST_MOLT", with_blank("CONTEST_MOLT")},
    {StateKey::contest_punti, "CONTEST_PUNTI", with_blank("CONTEST_PUNTI")},
    {StateKey::contest_media, "CONTEST_MEDIA", with_blank("CONTEST_MEDIA")},
    {StateKey::contest_odx_call, "CONTEST_ODX_CALL", with_blank("CONTEST_ODX_CALL")},
    {StateKey::contest_odx_loc, "CONTEST_ODX_LOC", with_blank("CONTEST_ODX_LOC")},
    {StateKey::contest_odx_qrb, "CONTEST_ODX_QRB", with_blank("CONTEST_ODX_QRB")},
    {StateKey::contest_iqrp, "CONTEST_IQRP", with_blank("CONTEST_IQRP")},
    {StateKey::contest_mdc, "CONTEST_MDC", with_blank("CONTEST_MDC")},
    {StateKey::lista_qso, "LISTA_QSO", with_blank("LISTA_QSO") + 2},
    {StateKey::qso_edi, "QSO_EDI", with_blank("QSO_EDI") + 2},
};

void append_line(std::string& text, std::string_view name, std::string_view value) {
    text += name;
    text += ' ';
    text += value;
    text += "\r\n";
}

// One key line per list line, then the key alone for the empty piece after the last CR LF.
void append_list(std::string& text, std::string_view name, const LogList& list) {
    for (const std::string& line : list.lines()) append_line(text, name, line);
    append_line(text, name, {});
}

std::size_t list_size(std::string_view name, const LogList& list) {
    std::size_t size = (list.size() + 1) * (name.size() + 3);
    for (const std::string& line : list.lines()) size += line.size();
    return size;
}

}  // namespace

std::string partial_state_text(const std::string& qso_number, const ContestTotals& totals,
                               const LogList& readable_log, const LogList& edi_log) {
    const std::string* values[] = {&qso_number,      &totals.qso,     &totals.qrb,
                                   &totals.molt,     &totals.punti,   &totals.media,
                                   &totals.odx_call, &totals.odx_loc, &totals.odx_qrb,
                                   &totals.iqrp,     &totals.mdc};
    std::string text;
    text.reserve(512 + list_size("LISTA_QSO", readable_log) + list_size("QSO_EDI", edi_log));
    for (std::size_t i = 0; i < std::size(values); ++i)
        append_line(text, kRules[i].name, *values[i]);
    append_list(text, "LISTA_QSO", readable_log);
    append_list(text, "QSO_EDI", edi_log);
    return text;
}

std::vector<StateEntry> parse_partial_state(const std::vector<std::string>& lines) {
    std::vector<StateEntry> entries;
    for (const std::string& line : lines) {
        const std::string_view text = line;
        for (const KeyRule& rule : kRules) {
            // The character after the key is taken as its blank, whatever it is.
            if (text.size() < rule.shortest_line || !text.starts_with(rule.name)) continue;
            entries.push_back({rule.key, std::string(text.substr(with_blank(rule.name)))});
        }
    }
    return entries;
}

}  // namespace zelora
