// Every table of tests/data/tables: each row's inputs go through the rule the row names
// (through the windows where the operator meets it) and must give the row's outcome.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/files.h"
#include "base/station_devices.h"
#include "base/text.h"
#include "core/contest_totals.h"
#include "core/notices.h"
#include "core/qso_lines.h"
#include "core/station_profile.h"
#include "export/adif_log.h"
#include "geo/locator.h"
#include "stats/contest_statistics.h"
#include "stats/country_prefixes.h"
#include "stats/ranking_order.h"
#include "stats/square_grid.h"
#include "store/member_list.h"
#include "store/partial_state_file.h"
#include "store/radio_settings.h"
#include "support/contest_session.h"
#include "support/table.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/edi_header_screen.h"
#include "windows/edi_save_screen.h"
#include "windows/member_list_screen.h"
#include "windows/qso_edit_screen.h"
#include "windows/statistics_screen.h"

namespace zelora {
namespace {

using testing::ContestSession;
using Fields = std::vector<std::string>;
using Controls = std::map<std::string, Control*>;

#define NAMED(window, name) \
    { #name, &(window).name }
Controls controls(MainLogScreen& m) {
    return {NAMED(m, Text1),   NAMED(m, Text2),   NAMED(m, Text3),  NAMED(m, Text4),
            NAMED(m, Text5),   NAMED(m, Text6),   NAMED(m, Text7),  NAMED(m, Text8),
            NAMED(m, Text9),   NAMED(m, Text10),  NAMED(m, Text11), NAMED(m, Label21),
            NAMED(m, Label25), NAMED(m, Label41), NAMED(m, Label42)};
}
Controls controls(QsoEditScreen& e) {
    return {NAMED(e, Text1), NAMED(e, Text2), NAMED(e, Text3), NAMED(e, Text4), NAMED(e, Text5),
            NAMED(e, Text6), NAMED(e, Text7), NAMED(e, Text8), NAMED(e, Text9)};
}
Controls controls(EdiHeaderScreen& h) {
    Controls named{NAMED(h, Combo1), NAMED(h, Text2), NAMED(h, Text3), NAMED(h, Text6)};
    Control* boxes[] = {&h.Text7,  &h.Text8,  &h.Text9,  &h.Text10, &h.Text11, &h.Text12,
                        &h.Text13, &h.Text14, &h.Text15, &h.Text16, &h.Text17, &h.Text18,
                        &h.Text19, &h.Text20, &h.Text21, &h.Text22};
    for (int i = 0; i < 16; ++i) named["Text" + std::to_string(i + 7)] = boxes[i];
    return named;
}
#undef NAMED

std::string name_of(Controls named, const Control* control) {
    for (const auto& [name, c] : named)
        if (c == control) return name;
    return "";
}
// "Name=text" fields set those controls, in order.
template <class Window>
void assign(Window& window, const Fields& fields, std::size_t from) {
    Controls named = controls(window);
    for (std::size_t i = from; i < fields.size(); ++i) {
        const std::size_t equals = fields[i].find('=');
        named.at(fields[i].substr(0, equals))->set(fields[i].substr(equals + 1));
    }
}
std::string joined(const testing::Strings& texts) {
    std::string text;
    for (const std::string& t : texts) text += (text.empty() ? "" : " | ") + t;
    return text;
}
std::string number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}
Fields words(const std::string& text) {
    std::istringstream in(text);
    Fields result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}
Fields fields_of(const QsoRecord& q) {
    return {q.number,   q.date,     q.time,         q.frequency,       q.mode,
            q.callsign, q.rst_sent, q.rst_received, q.serial_received, q.locator,
            q.member,   q.qrb};
}
Fields entries(const std::vector<StateEntry>& parsed) {
    const char* const names[] = {
        "QSO#",          "CONTEST_QSO",      "CONTEST_QRB",     "CONTEST_MOLT",    "CONTEST_PUNTI",
        "CONTEST_MEDIA", "CONTEST_ODX_CALL", "CONTEST_ODX_LOC", "CONTEST_ODX_QRB", "CONTEST_IQRP",
        "CONTEST_MDC",   "LISTA_QSO",        "QSO_EDI"};
    Fields result;
    for (const StateEntry& e : parsed)
        result.push_back(names[static_cast<std::size_t>(e.key)] + (" " + e.value));
    return result;
}
ContestTotals totals_from(const Fields& f) {
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]};
}
Fields fields_of(const ContestTotals& t) {
    return {t.qso,      t.qrb,     t.molt,    t.punti, t.media,
            t.odx_call, t.odx_loc, t.odx_qrb, t.iqrp,  t.mdc};
}
// A member list file: "-" none, "!" a directory in its place, else its bytes.
void put(ContestSession& s, const char* name, const std::string& bytes) {
    if (bytes == "!") s.fake.dir.block(name);
    if (bytes != "-" && bytes != "!") s.fake.dir.write(name, bytes);
}
// "header.Name=text" sets a box of the EDI header window, "Name=text" one of the main window.
void set_control(ContestSession& s, const std::string& field) {
    if (field.starts_with("header.")) {
        assign(s.get<EdiHeaderScreen>(), {field.substr(7)}, 0);
    } else {
        assign(s.main(), {field}, 0);
    }
}
// "Crea LOG", then "Crea EDI": the log's line starting with `key`, or "" when none was made.
std::string edi_line(ContestSession& s, const std::string& key) {
    s.main().Command2_Click();
    s.get<EdiHeaderScreen>().Command2_Click();
    if (!s.open(WindowId::edi_save)) return "";
    for (const std::string& line : split_lines(s.get<EdiSaveScreen>().Text1.text()))
        if (line.starts_with(key)) return line;
    return "(none)";
}
std::size_t files_in(const ContestSession& s) {
    const std::filesystem::directory_iterator all(s.fake.dir.path());
    return static_cast<std::size_t>(std::distance(all, std::filesystem::directory_iterator()));
}
// The totals as the entry row would have added up the QSOs of the EDI log.
ContestTotals recomputed(MainLogScreen& m) {
    ContestTotals totals;
    for (const std::string& line : m.Text14.lines()) {
        const QsoRecord q = qso_from_edi_line(line);
        totals = add_qso(totals, q.qrb, q.member, q.callsign, q.locator);
    }
    return totals;
}
// The contest of the operator-aid tables: three QSOs on the 19th, at 07.05, 07.12 and 19.04.
void aids_contest(ContestSession& s) {
    const std::pair<const char*, const char*> qsos[] = {
        {"ZZ9XA", "JN61FV"}, {"IK2ABC/P", "JN45LL"}, {"ZZ9XAB", "KN01AA"}};
    const int minutes[] = {7 * 60 + 5, 7 * 60 + 12, 19 * 60 + 4};
    for (int i = 0; i < 3; ++i) {
        s.fake.clock.utc = {2020, 7, 19, minutes[i] / 60, minutes[i] % 60, 30};
        s.log(qsos[i].first, qsos[i].second, "", "001");
    }
}

// The statistics window's ranking, squares, countries, QSOs and km by hour, QSOs by sector and
// the squares blanked on the map.
Fields statistics_of(ContestSession& s) {
    s.main().Command6_Click();
    const StatisticsScreen& st = s.get<StatisticsScreen>();
    std::string ranking, hours, sectors, blanked;
    for (const std::string& item : st.List1) ranking += (ranking.empty() ? "" : " | ") + item;
    for (const std::string& line : split_lines(st.Text4.text()))
        hours += (hours.empty() ? "" : " | ") + line.substr(line.find('=') + 5);
    for (const std::string& line : split_lines(st.Text5.text()))
        sectors += (sectors.empty() ? "" : " ") + line.substr(line.rfind(' ') + 1);
    const testing::Strings map = split_lines(st.Text1.text());
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column)
            if (map[row].substr(column * kSquareLength, kSquareLength) == "    ")
                blanked += (blanked.empty() ? "" : " ") + grid_square(row, column);
    return {ranking, st.Text2.text(), st.Text3.text(), hours, sectors, blanked};
}

using Rule = std::function<Fields(const Fields&)>;

const std::map<std::string, Rule>& rules() {
    static const std::map<std::string, Rule> all = {
        // Text helpers.
        {"text_value", [](const Fields& in) { return Fields{number(text_value(in[0]))}; }},
        {"number_text", [](const Fields& in) { return Fields{number_text(std::stod(in[0]))}; }},
        {"whole_value",
         [](const Fields& in) { return Fields{std::to_string(whole_value(in[0]))}; }},
        // Files the operator may edit, as their readers take them.
        {"station_profile",
         [](const Fields& in) {
             const char* const keys[] = {"Call", "Locator", "IQRP", "MDC"};
             Fields result;
             for (const ProfileEntry& e : parse_station_profile(split_lines(in[0])))
                 result.push_back(keys[static_cast<int>(e.key)] + ("=" + e.value));
             return result;
         }},
        {"partial_state_lines", [](const Fields& in) { return entries(parse_partial_state(in)); }},
        {"partial_state_file",
         [](const Fields& in) { return entries(parse_partial_state(split_lines(in[0]))); }},
        {"qso_from_edi_line", [](const Fields& in) { return fields_of(qso_from_edi_line(in[0])); }},
        // The member box filled as the caret reaches "Prog", and the hint beside the callsign.
        {"member_lookup",
         [](const Fields& in) {
             ContestSession s;
             put(s, kIqrpFileName, in[0]);
             put(s, kMqcFileName, in[1]);
             MainLogScreen& m = s.restart().get<MainLogScreen>();
             s.told();
             m.Text11.set(in[3]);
             m.focus(m.Text6);
             m.Text6.set(in[2]);
             m.focus(m.Text9);
             return Fields{m.Text11.text(), m.aids.MemberHint.text(), joined(s.told())};
         }},
        // Scores and statistics.
        {"add_qso",
         [](const Fields& in) {
             return fields_of(add_qso(totals_from(in), in[10], in[11], "NEW", "JN81GD"));
         }},
        {"country_of",
         [](const Fields& in) {
             const char* country = country_of(in[0]);
             return Fields{country ? country : ""};
         }},
        {"ranking_order",
         [](const Fields& in) {
             std::vector<std::int64_t> distances;
             for (const std::string& d : words(in[0])) distances.push_back(std::stoll(d));
             std::string order;
             for (std::size_t i : ranking_order(distances))
                 order += (order.empty() ? "" : " ") + std::to_string(i);
             return Fields{order};
         }},
        {"sector_of",
         [](const Fields& in) { return Fields{std::to_string(sector_of(std::stod(in[0])))}; }},
        // "STAT" after QSOs logged at their UTC times, or restored from EDI lines of these
        // locators.
        {"statistics",
         [](const Fields& in) {
             ContestSession s;
             for (const std::string& qso : in) {
                 const Fields w = words(qso);
                 s.fake.clock.utc.hour = std::stoi(w[0].substr(0, 2));
                 s.fake.clock.utc.minute = std::stoi(w[0].substr(3));
                 s.log(w[1], w[2], "", "001");
             }
             return statistics_of(s);
         }},
        {"restored_statistics",
         [](const Fields& in) {
             ContestSession s;
             std::string file;
             for (const std::string& locator : in)
                 file += "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;;" + locator + ";1;;;;\r\n";
             s.fake.dir.write(kPartialStateFileName, file);
             s.continue_contest();
             return statistics_of(s);
         }},
        // The locator value: field, square and sub-square of a six-character Maidenhead
        // locator, its distance and bearing from JN81GD; nothing for any other text.
        {"locator",
         [](const Fields& in) {
             const std::optional<Locator> l = Locator::parse(in[0]);
             if (!l) return Fields(5);
             const Locator own = *Locator::parse("JN81GD");
             return Fields{std::string(l->field()), std::string(l->square()), l->sub_square(),
                           std::to_string(own.distance_km(*l)), std::to_string(own.bearing_to(*l))};
         }},
        // The radio and the rotator: radio.txt as it is read (radio model, port, speed, then the
        // rotator's); where the rotator is sent for a heading within its range (from, to, and
        // its azimuth now or "-"); how the azimuth it reports shows as a heading (-0 as 0).
        {"radio_settings",
         [](const Fields& in) {
             const StationDeviceSettings d = parse_device_settings(split_lines(in[0]));
             return Fields{
                 std::to_string(d.radio.model),   d.radio.port,   std::to_string(d.radio.speed),
                 std::to_string(d.rotator.model), d.rotator.port, std::to_string(d.rotator.speed)};
         }},
        {"rotator_target",
         [](const Fields& in) {
             const std::optional<double> now =
                 in[3] == "-" ? std::nullopt : std::optional(std::stod(in[3]));
             return Fields{
                 number(rotator_target(std::stod(in[0]), std::stod(in[1]), std::stod(in[2]), now))};
         }},
        {"compass_heading",
         [](const Fields& in) { return Fields{number(compass_heading(std::stod(in[0])) + 0.0)}; }},
        // The station window's "Salva" with this locator: config.txt, whether the window stays,
        // the messages, the box with the caret.
        {"station_save",
         [](const Fields& in) {
             ContestSession s;
             StationScreen& station = s.get<StationScreen>();
             station.Text1.set("ZZ9QX");
             station.Text2.set(in[0]);
             s.told();
             station.Command1_Click();
             // "Salva" closes the window when it writes: only one still open has a caret.
             const bool open = s.open(WindowId::station);
             return Fields{s.fake.dir.read("config.txt"), open ? "open" : "", joined(s.told()),
                           open ? name_of({{"Text2", &station.Text2}}, station.focused()) : ""};
         }},
        // The calculator window as the main window hands it the two locators.
        {"calculator",
         [](const Fields& in) {
             ContestSession s("");
             std::string seen;  // each change of the main window's QRB and QTF, in order
             for (auto [value, name] :
                  {std::pair{&s.main().Label13, "QRB="}, {&s.main().Label15, "QTF="}})
                 value->on_change = [&seen, value, name, own = value->on_change] {
                     seen += (seen.empty() ? "" : " | ") + (name + value->text());
                     if (own) own();
                 };
             BearingCalculatorScreen& c = s.get<BearingCalculatorScreen>();
             c.SetLocator1(in[0]);
             c.SetLocator2(in[1]);
             const std::string handed_over = seen;
             c.Command1_Click();
             const MainLogScreen& m = s.main();
             return Fields{c.Text3.text(),   c.Text5.text(),   c.Text6.text(),   c.Text1.text(),
                           m.Label13.text(), m.Label15.text(), joined(s.told()), handed_over};
         }},
        // The main window's entry row.
        {"entry_box",
         [](const Fields& in) {
             ContestSession s;
             Control& box = *controls(s.main()).at(in[0]);
             s.main().focus(box);
             box.set(in[1]);
             s.main().focus(s.main().Text4);
             return Fields{box.text(), std::to_string(box.caret())};
         }},
        {"mode_key",
         [](const Fields& in) {
             ContestSession s;
             MainLogScreen& m = s.main();
             m.Text5.set(in[0]);
             m.Text5.set_caret(0);
             m.Text7.set("57");
             m.Text8.set("57");
             m.Text5_KeyDown(in[1] == "Up"     ? kKeyUp
                             : in[1] == "Down" ? kKeyDown
                                               : std::stoi(in[1]));
             return Fields{m.Text5.text(), m.Text7.text(), m.Text8.text(),
                           std::to_string(m.Text5.caret())};
         }},
        // Own locator, mode, date, time, reports sent and received, callsign, serial, locator,
        // member, typed off-line; then the messages, the box with the caret, the time, whether
        // the distance bar stays and the line logged.
        {"entry",
         [](const Fields& in) {
             ContestSession s("Call = ZZ9QX\r\nLocator = " + in[0] + "\r\n");
             MainLogScreen& m = s.main();
             s.told();
             m.Command7_Click();  // off-line keeps the typed date and time
             m.Text5_KeyDown(in[1] == "CW" ? kKeyDown : kKeyUp);
             assign(m,
                    {"Text2=" + in[2], "Text3=" + in[3], "Text7=" + in[4], "Text8=" + in[5],
                     "Text10=JN45LL"},
                    0);
             testing::type_qso(m, in[6], in[7], in[8], in[9]);
             m.leave_focus();
             const QsoRecord typed = m.entry();
             m.Command1_Click();
             if (m.Text12.empty()) {
                 QsoRecord kept = m.entry();
                 kept.time = typed.time;  // the only box completed
                 EXPECT_EQ(fields_of(kept), fields_of(typed));
                 EXPECT_TRUE(m.Text14.empty() && !s.fake.dir.exists(kPartialStateFileName));
             }
             return Fields{joined(s.told()), name_of(controls(m), m.focused()), m.Text3.text(),
                           m.Line2.visible ? "bar" : "",
                           m.Text12.empty() ? "" : m.Text12.lines().back()};
         }},
        // The EDI log: main window values and header boxes set, then "Crea EDI".
        {"edi_line",
         [](const Fields& in) {
             ContestSession s("Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\n");
             for (std::size_t i = 1; i < in.size(); ++i) set_control(s, in[i]);
             return Fields{edi_line(s, in[0]), joined(s.told())};
         }},
        // The whole log after three QSOs ("qsos") and the boxes set.
        {"edi_log",
         [](const Fields& in) {
             ContestSession s("Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\n");
             for (const std::string& field : in) {
                 if (field != "qsos") {
                     set_control(s, field);
                     continue;
                 }
                 s.log("ZZ9XA", "JN61FV", "I003");
                 s.log("ZZ9XB/P", "KN01AA", "", "005", true);
                 s.log("ZZ9XC", "JN45LL", "M045");
             }
             edi_line(s, "");
             return Fields{s.get<EdiSaveScreen>().Text1.text()};
         }},
        {"save_name",
         [](const Fields& in) {
             ContestSession s;
             s.fake.dir.block("taken.edi");
             EdiSaveScreen& save = s.get<EdiSaveScreen>();
             save.Text1.set(in.size() > 1 ? in[1] : "[REG1TEST;1]\r\n[END; x]\r\n");
             save.Text2.set(in[0]);
             save.Command1_Click();
             const std::string told = joined(s.told());
             return Fields{save.Text2.text(), told,
                           told.starts_with("Il Log") ? s.fake.dir.read(save.Text2.text()) : "",
                           std::to_string(files_in(s))};
         }},
        {"adif_name",
         [](const Fields& in) {
             ContestSession s;
             if (in.size() == 1) s.log("ZZ9XA");  // "noqso": the log is empty
             s.fake.dir.block("ZZ9QY.adi");
             s.get<EdiHeaderScreen>().Text2.set(in[0]);
             s.get<EdiSaveScreen>().Command3_Click();
             return Fields{joined(s.told()), std::to_string(files_in(s))};
         }},
        // The ADIF export of station ZZ9QX/P in JN81GD at 13.05.09 UTC: operators, power, then
        // each QSO's record fields joined by "|"; the whole file.
        {"adif",
         [](const Fields& in) {
             std::vector<QsoRecord> qsos;
             for (std::size_t i = 2; i < in.size(); ++i) {
                 Fields f;
                 std::istringstream record(in[i]);
                 for (std::string field; std::getline(record, field, '|');) f.push_back(field);
                 f.resize(12);
                 qsos.push_back(
                     {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11]});
             }
             return Fields{
                 adif_log(qsos, {"ZZ9QX/P", "JN81GD", in[0], in[1], {2020, 7, 19, 13, 5, 9}})};
         }},
        // Corrections of the four QSOs of log_four_qsos, each "CALLSIGN:Box=text", one after
        // the other; then the totals as after each QSO logged so.
        {"correction_totals",
         [](const Fields& in) {
             ContestSession s;
             s.log_four_qsos();
             QsoEditScreen& e = s.get<QsoEditScreen>();
             for (const std::string& field : in) {
                 e.Text1.set(field.substr(0, field.find(':')));
                 e.Command3_Click();
                 assign(e, {field.substr(field.find(':') + 1)}, 0);
                 e.Command1_Click();
             }
             EXPECT_EQ(s.main().totals(), recomputed(s.main()));
             return fields_of(s.main().totals());
         }},
        // The correction window over the four QSOs of log_four_qsos: the first QSO's number,
        // the callsign searched, the boxes changed; then the messages, the box with the caret,
        // and that QSO's readable and EDI lines.
        {"correction",
         [](const Fields& in) {
             ContestSession s;
             s.log_four_qsos(in[0]);
             MainLogScreen& m = s.main();
             QsoEditScreen& e = s.get<QsoEditScreen>();
             const std::optional<std::size_t> index = m.qsos().find(to_upper(in[1]));
             const testing::Strings before{m.Text12.text(), m.Text14.text(),
                                           s.fake.dir.read(kPartialStateFileName)};
             e.Text1.set(in[1]);
             e.Command3_Click();
             assign(e, in, 2);
             e.Command1_Click();
             const testing::Strings after{m.Text12.text(), m.Text14.text(),
                                          s.fake.dir.read(kPartialStateFileName)};
             const std::string told = joined(s.told());
             EXPECT_EQ(m.totals(), recomputed(m));
             EXPECT_EQ(s.get<EdiHeaderScreen>().Text1.lines(), m.Text14.lines());
             if (told.starts_with("I dati")) {
                 for (std::size_t list = 0; list < 2; ++list) {
                     testing::Strings lines = split_lines(before[list]),
                                      now = split_lines(after[list]);
                     lines.erase(lines.begin() + *index);
                     now.erase(now.begin() + *index);
                     EXPECT_EQ(now, lines);  // the other QSOs' lines stay
                 }
                 EXPECT_NE(after[2].find("QSO_EDI " + m.Text14.lines()[*index] + "\r\n"),
                           std::string::npos);
                 EXPECT_EQ(joined(testing::texts({&e.Text1, &e.Text2, &e.Text5, &e.Label9})), "");
             } else {
                 EXPECT_EQ(after, before);
                 EXPECT_EQ(e.Text1.text(), to_upper(in[1]));
                 for (std::size_t i = 2; i < in.size(); ++i)
                     EXPECT_EQ(controls(e).at(in[i].substr(0, in[i].find('=')))->text(),
                               in[i].substr(in[i].find('=') + 1));
             }
             if (!index) return Fields{told};
             return Fields{told, name_of(controls(e), e.focused()), m.Text12.lines()[*index],
                           m.Text14.lines()[*index]};
         }},
        // Start-up.
        {"account",
         [](const Fields& in) {
             ContestSession s(in[0]);
             const bool button = s.main().Command11.visible();
             if (button) s.main().Command11_Click();
             return Fields{s.main().Label47.text(), button ? "button" : "",
                           s.shown(WindowId::admin) ? "admin" : ""};
         }},
        // "Continua Contest" over this parziale.db ("!": a directory in its place): the next
        // QSO's number, the award shown, the readable log and the messages; then, after ZZ9XA
        // and ZZ9XC are logged, the last EDI line, the messages and the totals.
        {"restore",
         [](const Fields& in) {
             ContestSession s;
             put(s, kPartialStateFileName, in[0]);
             MainLogScreen& m = s.continue_contest();
             Fields out{m.Text1.text(), m.Picture3.visible() && m.Label54.visible() ? "award" : "",
                        joined(m.Text12.lines()), joined(s.told())};
             s.log("ZZ9XA", "JN71AA");
             s.log("ZZ9XC", "JN61FV");
             const std::string last = m.Text14.empty() ? "" : m.Text14.lines().back();
             out.insert(out.end(), {last, joined(s.told()), joined(fields_of(m.totals()))});
             return out;
         }},
        // New station data saved through "Nuovo Contest" over a profile of ZZ9AAC, I-QRP 003,
        // MQC 045: callsign, I-QRP and MQC numbers; then the account, its button and the two
        // numbers, the same when the program is started again.
        {"station_frame",
         [](const Fields& in) {
             ContestSession s("Call = ZZ9AAC\r\nLocator = JN81GD\r\nIQRP = 003\r\nMDC = 045\r\n",
                              {{kPartialStateFileName, "QSO# 002\r\n"}});
             s.get<StartScreen>().Command2_Click();
             s.save_station(in[0], "JN81GD", in[1], in[2]);
             const auto frame = [&s] {
                 MainLogScreen& m = s.main();
                 return Fields{m.Label47.text(), m.Command11.visible() ? "button" : "",
                               m.Label41.text(), m.Label42.text()};
             };
             const Fields saved = frame();
             s.restart();
             EXPECT_EQ(frame()[0] + frame()[2] + frame()[3], saved[0] + saved[2] + saved[3]);
             return saved;
         }},
        // The member-list window opened over iqrp.txt and mqc.txt ("-": no file, "!": a
        // directory in its place), then boxes set ("Name=text"), "Cerca", "Aggiungi", and a
        // file made a directory ("block:") or taken away ("free:"); the messages, both files, and
        // the counts, list choice, next number and add field.
        {"member_lists",
         [](const Fields& in) {
             ContestSession s("");
             put(s, kIqrpFileName, in[0]);
             put(s, kMqcFileName, in[1]);
             MemberListScreen& w = s.get<MemberListScreen>();
             const Controls named{{"Text1", &w.Text1}, {"Text2", &w.Text2}, {"Text4", &w.Text4},
                                  {"Text5", &w.Text5}, {"Text6", &w.Text6}, {"Combo1", &w.Combo1}};
             for (std::size_t i = 2; i < in.size(); ++i) {
                 const std::size_t equals = in[i].find('=');
                 if (in[i].starts_with("block:") || in[i].starts_with("free:"))
                     std::filesystem::remove_all(
                         s.fake.dir.file(in[i].substr(in[i].find(':') + 1)));
                 if (in[i].starts_with("block:")) s.fake.dir.block(in[i].substr(6));
                 if (in[i] == "Cerca") w.Command2_Click();
                 if (in[i] == "Aggiungi") w.Command3_Click();
                 if (equals != std::string::npos)
                     named.at(in[i].substr(0, equals))->set(in[i].substr(equals + 1));
             }
             const auto file = [&s](const char* name) {
                 if (!s.fake.dir.exists(name)) return std::string("-");
                 return std::filesystem::is_directory(s.fake.dir.file(name))
                            ? "!"
                            : s.fake.dir.read(name);
             };
             return Fields{
                 joined(s.told()), file(kIqrpFileName), file(kMqcFileName),
                 joined(testing::texts({&w.Text3, &w.Text4, &w.Combo1, &w.Label2, &w.Text6}))};
         }},
        // Operator aids over the three QSOs of aids_contest, with iqrp.txt "IK2ABC#7",
        // "ZZ9XB#9", "IK2ABC#12" and mqc.txt "ZZ9XB#45", "OE3XYZ#3".
        {"aids",
         [](const Fields& in) {
             ContestSession s(testing::kStationConfig,
                              {{"iqrp.txt", "IK2ABC#7\r\nZZ9XB#9\r\nIK2ABC#12\r\n"},
                               {"mqc.txt", "ZZ9XB#45\r\nOE3XYZ#3\r\n"}});
             aids_contest(s);
             s.main().Text6.set(in[0]);
             const OperatorAids& aids = s.main().aids;
             return Fields{aids.DupeMark.text(), aids.PartialList.text(), aids.MemberHint.text(),
                           joined(s.told())};
         }},
        // The rates at a time of the clock, with QSOs at 23.05, 23.50 and 23.55 on the 19th
        // and 00.01 on the 20th.
        {"rate",
         [](const Fields& in) {
             ContestSession s;
             for (const auto& [day, hour, minute] :
                  {std::tuple{19, 23, 5}, {19, 23, 50}, {19, 23, 55}, {20, 0, 1}}) {
                 s.fake.clock.utc = {2020, 7, day, hour, minute, 30};
                 s.log("ZZ9X" + std::to_string(minute), "JN61FV", "", "001");
             }
             DateTime& now = s.fake.clock.utc;
             std::sscanf(in[0].c_str(), "%d-%d-%d", &now.year, &now.month, &now.day);
             std::sscanf(in[1].c_str(), "%d:%d:%d", &now.hour, &now.minute, &now.second);
             s.main().aids.RefreshRate();
             return Fields{s.main().aids.Rate10.text(), s.main().aids.Rate60.text()};
         }},
    };
    return all;
}

std::string tables() {
    return ZELORA_TEST_DATA "/tables";
}

std::vector<std::string> table_names() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(tables()))
        names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Each row names its rule first.
class Table : public ::testing::TestWithParam<std::string> {};

TEST_P(Table, EveryRowGivesItsOutcome) {
    const std::vector<testing::TableRow> rows =
        testing::read_table(tables() + "/" + GetParam() + ".txt");
    ASSERT_FALSE(rows.empty());
    for (const testing::TableRow& row : rows) {
        SCOPED_TRACE(row.where);
        ASSERT_TRUE(!row.in.empty() && rules().contains(row.in.front()));
        EXPECT_EQ(rules().at(row.in.front())(Fields(row.in.begin() + 1, row.in.end())), row.out);
    }
}

INSTANTIATE_TEST_SUITE_P(Data, Table, ::testing::ValuesIn(table_names()),
                         [](const auto& info) { return info.param; });

// A rule no row uses is a test that runs nothing.
TEST(Tables, EveryRuleHasRows) {
    std::set<std::string> used;
    for (const std::string& name : table_names())
        for (const testing::TableRow& row : testing::read_table(tables() + "/" + name + ".txt"))
            used.insert(row.in.front());
    for (const auto& [name, rule] : rules()) EXPECT_TRUE(used.contains(name)) << name;
}

}  // namespace
}  // namespace zelora
