#include "stats/country_prefixes.h"

#include <initializer_list>
#include <string_view>

namespace zelora {
namespace {

using Call = std::string_view;

// The character at 0-based `index`, or 0 past the end.
char at(Call call, std::size_t index) {
    return index < call.size() ? call[index] : '\0';
}

bool starts(Call call, std::initializer_list<std::string_view> prefixes) {
    for (std::string_view prefix : prefixes) {
        if (call.starts_with(prefix)) return true;
    }
    return false;
}

bool in(char c, char from, char to) {
    return c >= from && c <= to;
}

bool digit(char c) {
    return in(c, '0', '9');
}

// First character `first`, second from `from` to `to`.
bool pair(Call call, char first, char from, char to) {
    return at(call, 0) == first && in(at(call, 1), from, to);
}

struct PrefixRow {
    bool (*matches)(Call);
    const char* country;
};

// clang-format off
constexpr PrefixRow kCountryPrefixTable[] = {
    {[](Call c) { return starts(c, {"3A"}); }, "Monaco"},
    {[](Call c) { return starts(c, {"4X", "4Z"}); }, "Israel"},
    {[](Call c) { return starts(c, {"5A"}); }, "Lybia"},
    {[](Call c) { return starts(c, {"5B", "C4", "P3"}); }, "Cyprus"},
    {[](Call c) { return pair(c, '7', 'T', 'Y'); }, "Algeria"},
    {[](Call c) { return starts(c, {"4O"}); }, "Montenegro"},
    {[](Call c) { return starts(c, {"7S", "8S"}); }, "Sweden"},
    {[](Call c) { return starts(c, {"9H"}); }, "Malta"},
    {[](Call c) { return starts(c, {"9A"}); }, "Croatia"},
    {[](Call c) { return starts(c, {"CT"}); }, "Portugal"},
    {[](Call c) { return starts(c, {"E7"}); }, "Bosnia-Herzegovina"},
    {[](Call c) { return digit(at(c, 2)) && pair(c, 'E', 'A', 'H'); }, "Spain"},
    {[](Call c) { return at(c, 2) == '6' && pair(c, 'E', 'A', 'H'); }, "Balearic Is."},
    {[](Call c) { return at(c, 2) == '8' && pair(c, 'E', 'A', 'H'); }, "Canary Is."},
    {[](Call c) { return at(c, 2) == '9' && pair(c, 'E', 'A', 'H'); }, "Ceuta & Melilla"},
    {[](Call c) { return starts(c, {"EI", "EJ"}); }, "Ireland"},
    {[](Call c) { return starts(c, {"ES"}); }, "Estonia"},
    {[](Call c) { return pair(c, 'E', 'U', 'W'); }, "Belarus"},
    {[](Call c) { return at(c, 0) == 'F' && digit(at(c, 1)); }, "France"},
    {[](Call c) { return starts(c, {"G", "GX", "M"}); }, "England"},
    {[](Call c) { return starts(c, {"GI", "GN"}); }, "Northen Ireland"},
    {[](Call c) { return starts(c, {"GM", "GS"}); }, "Scotland"},
    {[](Call c) { return starts(c, {"GW", "GC"}); }, "Wales"},
    {[](Call c) { return starts(c, {"HA", "HG"}); }, "Hungary"},
    {[](Call c) { return starts(c, {"HB"}); }, "Switzerland"},
    {[](Call c) { return starts(c, {"HV"}); }, "Vatican"},
    {[](Call c) { return starts(c, {"I"}); }, "Italy"},
    {[](Call c) { return starts(c, {"IS0", "IM0"}); }, "Sardinia"},
    {[](Call c) { return starts(c, {"JY"}); }, "Jordan"},
    {[](Call c) { return pair(c, 'L', 'A', 'N'); }, "Norway"},
    {[](Call c) { return starts(c, {"J4"}); }, "Greece"},
    {[](Call c) { return starts(c, {"LX"}); }, "Luxembourg"},
    {[](Call c) { return starts(c, {"LY"}); }, "Lithuania"},
    {[](Call c) { return starts(c, {"LZ"}); }, "Bulgaria"},
    {[](Call c) { return pair(c, 'O', 'F', 'I'); }, "Finland"},
    {[](Call c) { return pair(c, 'O', 'K', 'L'); }, "Czech Republic"},
    {[](Call c) { return starts(c, {"OD"}); }, "Lebanon"},
    {[](Call c) { return starts(c, {"OE"}); }, "Austria"},
    {[](Call c) { return starts(c, {"OM"}); }, "Slovak Republic"},
    {[](Call c) { return pair(c, 'O', 'N', 'T'); }, "Belgium"},
    {[](Call c) { return pair(c, 'P', 'A', 'I'); }, "Netherlands"},
    {[](Call c) { return starts(c, {"S5"}); }, "Slovenia"},
    {[](Call c) { return pair(c, 'S', 'N', 'R'); }, "Poland"},
    {[](Call c) { return pair(c, 'S', 'A', 'M'); }, "Sweden"},
    {[](Call c) { return pair(c, 'O', 'K', 'L'); }, "Czech Republic"},
    {[](Call c) { return pair(c, 'O', 'U', 'W'); }, "Denmark"},
    {[](Call c) { return starts(c, {"OZ"}); }, "Denmark"},
    {[](Call c) { return pair(c, 'S', 'V', 'Z'); }, "Greece"},
    {[](Call c) { return starts(c, {"SV"}) && c.ends_with("/A"); }, "Mount Athos"},
    {[](Call c) { return starts(c, {"SV5", "J45"}); }, "Dodecanese"},
    {[](Call c) { return starts(c, {"SV9", "J49"}); }, "Crete"},
    {[](Call c) { return pair(c, 'T', 'A', 'C'); }, "Turkey"},
    {[](Call c) { return starts(c, {"T7"}); }, "San Marino"},
    {[](Call c) { return starts(c, {"TK"}); }, "Corsica"},
    {[](Call c) { return pair(c, 'U', 'A', 'I') && in(at(c, 2), '1', '7'); }, "European Russia"},
    {[](Call c) { return pair(c, 'R', 'A', 'Z') && in(at(c, 2), '1', '7'); }, "European Russia"},
    {[](Call c) { return pair(c, 'U', 'A', 'I') && (in(at(c, 2), '8', '9') || at(c, 2) == '0'); }, "Asiatic Russia"},
    {[](Call c) { return pair(c, 'R', 'A', 'Z') && (in(at(c, 2), '8', '9') || at(c, 2) == '0'); }, "Asiatic Russia"},
    {[](Call c) { return starts(c, {"UA2", "RA2"}); }, "Kaliningrad"},
    {[](Call c) { return starts(c, {"YT", "YU"}); }, "Serbia"},
    {[](Call c) { return starts(c, {"ZA"}); }, "Albania"},
    {[](Call c) { return starts(c, {"Z3"}); }, "Macedonia"},
    {[](Call c) { return starts(c, {"Z6"}); }, "Republic of Kosovo"},
    {[](Call c) { return digit(at(c, 2)) && pair(c, 'Y', 'O', 'R'); }, "Romania"},
    {[](Call c) { return digit(at(c, 2)) && pair(c, 'U', 'R', 'Z'); }, "Ukraine"},
    // ES and EU to EW stay Estonia and Belarus.
    {[](Call c) { return digit(at(c, 2)) && pair(c, 'E', 'M', 'Y') && at(c, 1) != 'S' && !in(at(c, 1), 'U', 'W'); }, "Ukraine"},
    {[](Call c) { return digit(at(c, 2)) && pair(c, 'D', 'A', 'R'); }, "Germany"},
};
// clang-format on

static_assert(std::size(kCountryPrefixTable) == 67);

}  // namespace

const char* country_of(std::string_view callsign) {
    const char* country = nullptr;
    for (const PrefixRow& row : kCountryPrefixTable) {
        if (row.matches(callsign)) country = row.country;
    }
    return country;
}

}  // namespace zelora
