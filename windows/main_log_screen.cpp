#include "windows/main_log_screen.h"
#include "core/notices.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "base/files.h"
#include "base/text.h"
#include "base/window_set.h"
#include "core/entry_rules.h"
#include "core/qso_lines.h"
#include "core/station_profile.h"
#include "store/member_list.h"
#include "store/partial_state_file.h"
#include "windows/admin_screen.h"
#include "windows/award_screen.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/edi_header_screen.h"
#include "windows/member_list_screen.h"
#include "windows/qso_edit_screen.h"
#include "windows/report_screen.h"
#include "windows/start_screen.h"
#include "windows/station_screen.h"
#include "windows/statistics_screen.h"

namespace zelora {
namespace {

constexpr std::array<const char*, 3> kAdministratorCallsigns{"ZZ9AAA", "ZZ9AAB", "ZZ9AAC"};

}  // namespace

MainLogScreen::MainLogScreen(WindowSet& windows) : Window(windows) {
    for (Control* box : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9,
                         &Text10, &Text11}) {
        box->input_filter = without_separators;
    }
    Text1.on_change = [this] { Text1_Change(); };
    Text2.on_lost_focus = [this] { Text2_LostFocus(); };
    Text3.on_lost_focus = [this] { Text3_LostFocus(); };
    Text6.on_change = [this] { Text6_Change(); };
    Text6.on_lost_focus = [this] { history.CallsignLeft(); };
    Text9.on_got_focus = [this] { Text9_GotFocus(); };
    Text9.on_lost_focus = [this] { Text9_LostFocus(); };
    Text10.on_change = [this] { Text10_Change(); };
    Text10.on_got_focus = [this] { Text10_GotFocus(); };
    Text11.on_change = [this] { Text11_Change(); };
    Text15.on_change = [this] { Text15_Change(); };
    Label13.on_change = [this] { Label13_Change(); };
    Label15.on_change = [this] { Label15_Change(); };
    Label39.on_change = [this] { Label39_Change(); };
    Label51.on_change = [this] { Label51_Change(); };
}

ContestTotals MainLogScreen::totals() const {
    return {Label19.text(), Label21.text(), Label23.text(), Label25.text(), Label44.text(),
            Label27.text(), Label28.text(), Label29.text(), Label51.text(), Label52.text()};
}

QsoRecord MainLogScreen::entry() const {
    return {Text1.text(),  Text2.text(),   Text3.text(),           Text4.text(), Text5.text(),
            Text6.text(),  Text7.text(),   Text8.text(),           Text9.text(), Text10.text(),
            Text11.text(), Label13.text(), station.qso_frequency()};
}

bool MainLogScreen::online() const {
    return text_value(Text15.text()) == 0;
}

// --- Start-up and end -----------------------------------------------------------------------

void MainLogScreen::Form_Load() {
    set_visible(true);  // the program's first window, unless the load needs another one first
    if (!LoadStationProfile()) {
        windows().get<StationScreen>().set_visible(true);
        set_visible(false);
    }
    if (online()) {
        // The box is headed "UTC": on-line the contest runs on the computer's UTC clock.
        FillDateAndTime(windows().platform().clock.utc_now());
    } else {
        Text2.set("");
        Text3.set("");
    }
    if (file_exists(path_in(windows().platform().program_directory, kPartialStateFileName))) {
        windows().get<StartScreen>().set_visible(true);
        set_visible(false);
    }
    aids.LoadMemberLists();
    station.Load();
    history.Load();
    focus(Text6);  // ready for the first callsign
}

bool MainLogScreen::LoadStationProfile() {
    const Platform& platform = windows().platform();
    const FileLines file =
        read_lines(platform, path_in(platform.program_directory, kStationFileName));
    if (!file.readable) return false;  // missing, or unreadable (already reported)
    for (const ProfileEntry& entry : parse_station_profile(file.lines)) {
        switch (entry.key) {
            case ProfileKey::callsign:
                Label39.set(entry.value);
                windows().get<EdiHeaderScreen>().Text2.set(entry.value);
                windows().get<EdiHeaderScreen>().Text14.set(entry.value);
                break;
            case ProfileKey::locator:
                Label40.set(entry.value);
                windows().get<BearingCalculatorScreen>().SetLocator1(entry.value);
                windows().get<EdiHeaderScreen>().Text3.set(entry.value);
                break;
            case ProfileKey::iqrp_number:
                Label41.set(member_number_label(entry.value));
                break;
            case ProfileKey::mqc_number:
                Label42.set(member_number_label(entry.value));
                break;
        }
    }
    return true;
}

void start_program(WindowSet& windows) {
    remove_temporary_files(windows.platform().program_directory);
    windows.get<MainLogScreen>();
}

void MainLogScreen::Form_Unload() {
    SavePartialState();
}

bool MainLogScreen::SavePartialState() {
    // A restored log may hold EDI lines without readable ones: its corrections are saved too.
    if (Text12.empty() && Text14.empty()) return true;
    const Platform& platform = windows().platform();
    const std::string path = path_in(platform.program_directory, kPartialStateFileName);
    if (KeepUnreadableContest(path) &&
        replace_file(path, partial_state_text(Text1.text(), totals(), Text12, Text14))) {
        Label55.set_visible(false);
        return true;
    }
    // Told once while the failure lasts, not on every QSO: the label goes on saying it.
    if (!Label55.visible()) report_write_error(platform, path);
    Label55.set_visible(true);
    return false;
}

// A contest that cannot be read may still be all the operator has of it: moved aside under a
// name of its own, never written over, and the new file gets the usual permissions.
bool MainLogScreen::KeepUnreadableContest(const std::string& path) {
    if (!unreadable_file(path)) return true;
    const Platform& platform = windows().platform();
    const std::optional<std::string> aside = move_aside(path, "parziale-illeggibile", ".db");
    if (!aside) return false;
    alert(platform, "Impossibile leggere il file " + platform.shown_path(path) +
                        ": e' stato conservato come " + platform.shown_path(*aside));
    return true;
}

void MainLogScreen::RetrySave() {
    if (Label55.visible()) SavePartialState();
}

bool MainLogScreen::MayEndContest() {
    if (!Label55.visible() || SavePartialState()) return true;
    const Platform& platform = windows().platform();
    return ask(platform,
               "Gli ultimi QSO non sono salvati nel file " +
                   platform.shown_path(path_in(platform.program_directory, kPartialStateFileName)) +
                   ": chiudendo ora andranno persi. Chiudere comunque?");
}

void MainLogScreen::Command4_Click() {
    if (!Text12.empty() || !Text14.empty()) return;  // never appends a saved contest to a log
    const Platform& platform = windows().platform();
    const FileLines file =
        read_lines(platform, path_in(platform.program_directory, kPartialStateFileName));
    if (!file.readable) return;
    std::vector<std::string> readable_lines;
    std::vector<std::string> edi_lines;
    for (StateEntry& entry : parse_partial_state(file.lines)) {
        switch (entry.key) {
            case StateKey::qso_number:
                Text1.set(entry.value);
                break;
            case StateKey::contest_qso:
                Label19.set(entry.value);
                break;
            case StateKey::contest_qrb:
                Label21.set(entry.value);
                break;
            case StateKey::contest_molt:
                Label23.set(entry.value);
                break;
            case StateKey::contest_punti:
                Label25.set(entry.value);
                break;
            case StateKey::contest_media:
                Label44.set(entry.value);
                break;
            case StateKey::contest_odx_call:
                Label27.set(entry.value);
                break;
            case StateKey::contest_odx_loc:
                Label28.set(entry.value);
                break;
            case StateKey::contest_odx_qrb:
                Label29.set(entry.value);
                break;
            case StateKey::contest_iqrp:
                Label51.set(entry.value);
                break;
            case StateKey::contest_mdc:
                Label52.set(entry.value);
                break;
            case StateKey::lista_qso:
                readable_lines.push_back(std::move(entry.value));
                break;
            case StateKey::qso_edi:
                edi_lines.push_back(std::move(entry.value));
                break;
        }
    }
    qsos_.clear();
    qsos_.reserve(edi_lines.size());
    for (const std::string& line : edi_lines) {
        qsos_.add(qso_from_edi_line(line));
        highest_number_ = std::max(highest_number_, qso_number_value(qsos_.qsos().back().number));
    }
    restored_qsos_ = qsos_.qsos().size();
    for (const std::string& line : readable_lines) {
        if (const auto shown = qso_from_list_line(line))
            highest_number_ = std::max(highest_number_, qso_number_value(shown->number));
    }
    // A "QSO# " line damaged by hand (letters, a NUL byte, a number already given) must not
    // make the next QSO repeat a logged number.
    Text1.set(next_qso_number(Text1.text(), highest_number_));
    Text12.assign(std::move(readable_lines));
    windows().get<EdiHeaderScreen>().Text1.assign(edi_lines);
    Text14.assign(std::move(edi_lines));
    aids.LogChanged(Text6.text());
}

void MainLogScreen::Command3_Click() {
    if (!MayEndContest()) return;
    WindowSet& set = windows();
    for (WindowId id :
         {WindowId::bearing_calculator, WindowId::edi_header, WindowId::station, WindowId::edi_save,
          WindowId::start, WindowId::qso_edit, WindowId::statistics, WindowId::report,
          WindowId::award, WindowId::admin, WindowId::member_lists, WindowId::devices}) {
        set.close(id);
    }
    set.close(WindowId::main_log);
}

void MainLogScreen::Command10_Click() {
    if (!MayEndContest()) return;
    WindowSet& set = windows();
    set.get<StartScreen>().set_visible(true);
    // Nothing of this contest may carry over into the one the start dialog begins. The
    // calculator hands a result over only when it changes, so one still holding its last
    // result would leave the reloaded window's QRB empty for that locator; the EDI body is
    // filled again by "Continua Contest" from the saved EDI log.
    set.close(WindowId::bearing_calculator);
    set.close(WindowId::qso_edit);  // its search belongs to this contest's log
    // Open statistics would be shown again, unchanged, by the next contest's "STAT".
    set.close(WindowId::statistics);
    if (set.is_open(WindowId::edi_header)) set.get<EdiHeaderScreen>().Text1.assign({});
    set.close(WindowId::main_log);
}

void MainLogScreen::Command2_Click() {
    windows().get<EdiHeaderScreen>().bring_to_front();
}

void MainLogScreen::Command5_Click() {
    windows().get<QsoEditScreen>().bring_to_front();
}

// Computed when the window is created: while it is open its results are only shown again.
void MainLogScreen::Command6_Click() {
    windows().get<StatisticsScreen>().bring_to_front();
}

void MainLogScreen::Command11_Click() {
    windows().get<AdminScreen>().bring_to_front();
}

void MainLogScreen::Picture3_Click() {
    if (Picture3.visible()) windows().get<AwardScreen>().bring_to_front();
}

// --- Modes and clock ------------------------------------------------------------------------

void MainLogScreen::Command7_Click() {
    if (Text15.text() == "0") {
        Text15.set("1");
        Label46.set("off-line");
        Command9.set_visible(true);
    } else if (Text15.text() == "1") {
        Text15.set("0");
        Label46.set("on-line");
        Command9.set_visible(false);
        // Back on the clock at once: boxes left empty or typed would take the next callsign
        // into the time box, or log the next QSO at a typed time.
        ClockRefresh();
        focus(Text6);
    }
}

void MainLogScreen::Text15_Change() {
    if (text_value(Text15.text()) != 1) return;
    Label46.set("off-line");
    Text2.set("");
    Text3.set("");
    Command9.set_visible(true);
    focus(Text2);
}

void MainLogScreen::Command9_Click() {
    // Off-line the operator copies a paper log, kept in local time.
    FillDateAndTime(windows().platform().clock.local_now());
    focus(Text2);
}

void MainLogScreen::FillDateAndTime(const DateTime& when) {
    Text2.set(short_date_text(when));
    Text3.set(time_text(when));
}

void MainLogScreen::ClockRefresh() {
    if (online()) FillDateAndTime(windows().platform().clock.utc_now());
}

void MainLogScreen::Label39_Change() {
    AdministratorCheck();
}

// The account and its button follow the callsign of the station now operating.
void MainLogScreen::AdministratorCheck() {
    const bool administrator =
        std::find(kAdministratorCallsigns.begin(), kAdministratorCallsigns.end(), Label39.text()) !=
        kAdministratorCallsigns.end();
    Label47.set(administrator ? "Admin" : "User");
    Command11.set_visible(administrator);
}

// --- Entry boxes ----------------------------------------------------------------------------

void MainLogScreen::Text1_Change() {
    Text1.set(pad_serial(Text1.text()));
}

void MainLogScreen::Text2_LostFocus() {
    const std::string& date = Text2.text();
    if (date.size() == 10) Text2.set(mid(date, 1, 6) + mid(date, 9, 2));
}

void MainLogScreen::Text3_LostFocus() {
    std::string time = Text3.text();
    std::replace(time.begin(), time.end(), ':', '.');
    Text3.set(time);
}

void MainLogScreen::Text5_KeyDown(int key_code) {
    if (Text5.text() != "SSB" && Text5.text() != "CW") return;
    if (key_code == kKeyUp) {
        Text5.set("SSB");
        Text7.set("59");
        Text8.set("59");
    } else if (key_code == kKeyDown) {
        Text5.set("CW");
        Text7.set("599");
        Text8.set("599");
    } else {
        return;
    }
    Text5.caret_to_end();
}

void MainLogScreen::Text6_Change() {
    upper_case(Text6);
    aids.CallsignTyped(Text6.text());
    history.CallsignTyped();
}

void MainLogScreen::Text9_GotFocus() {
    // The lists are read anew, as another program may have changed them; the member hint then
    // shows what this reading fills, so the two never disagree.
    MemberLists lists = MemberLists::read(windows().platform(), true);
    Text11.set(lists.member_of(Text6.text()).value_or(Text11.text()));
    aids.UseMemberLists(std::move(lists));
}

void MainLogScreen::Text9_LostFocus() {
    Text9.set(pad_serial(Text9.text()));
}

void MainLogScreen::Text10_Change() {
    history.LocatorChanged();
    upper_case(Text10);
    if (Text10.text().size() == 6) {
        windows().get<BearingCalculatorScreen>().SetLocator2(Text10.text());
        ShowDistanceLabels(true);
    } else {
        ShowDistanceLabels(false);
    }
}

void MainLogScreen::Text10_GotFocus() {
    ClockRefresh();
}

void MainLogScreen::Text11_Change() {
    upper_case(Text11);
}

void MainLogScreen::ShowDistanceLabels(bool visible) {
    for (Control* label : {&Label12, &Label13, &Label14, &Label15, &Label16, &Label17}) {
        label->set_visible(visible);
    }
}

// --- Pointing display and award -------------------------------------------------------------

void MainLogScreen::Label13_Change() {
    Line2 = bar_for_distance(Line2, text_value(Label13.text()));
    if (on_pointing_changed) on_pointing_changed();
}

void MainLogScreen::Label15_Change() {
    Line1 = needle_pointing(Line1, text_value(Label15.text()));
    if (on_pointing_changed) on_pointing_changed();
}

void MainLogScreen::HideDistanceBar() {
    Line2.visible = false;
    if (on_pointing_changed) on_pointing_changed();
}

void MainLogScreen::Label51_Change() {
    if (text_value(Label51.text()) <= 24) return;
    Picture3.set_visible(true);
    Label54.set_visible(true);
}

// --- Accept QSO -----------------------------------------------------------------------------

void MainLogScreen::EnterPressed() {
    // The box's own focus-leave completion first, as with the mouse, but the focus stays: a
    // refused QSO must not run the box's focus-arrival reaction again (clock refresh, lookup).
    const Control* box = focused();
    if (box && box->on_lost_focus) box->on_lost_focus();
    Command1_Click();
}

void MainLogScreen::Command1_Click() {
    if (AcceptQso()) SavePartialState();  // a crash or a power cut must not cost the contest
}

QsoRecord MainLogScreen::shown_qso(std::size_t index) const {
    QsoRecord qso = qsos_.qsos()[index];
    // Lines logged in this run are written from their records; only restored ones can differ.
    if (index >= restored_qsos_) return qso;
    const auto line = line_of_qso(Text12, index, qsos_.qsos().size());
    if (!line) return qso;
    if (std::optional<QsoRecord> shown = qso_from_list_line(Text12.lines()[*line])) {
        shown->rst_sent = std::move(qso.rst_sent);  // not on the readable line
        shown->qrb = std::move(qso.qrb);
        return *shown;
    }
    return qso;
}

bool MainLogScreen::AcceptQso() {
    const Platform& platform = windows().platform();
    if (mid(Text3.text(), 2, 1) == ".") Text3.set("0" + Text3.text());
    // An empty or lettered number would start the log line with blanks or letters and leave
    // the EDI record without its serial.
    if (!all_digits(Text1.text())) {
        inform(platform, kQsoNumberRefusal);
        focus(Text1);
        return false;
    }
    if (!is_real_date(Text2.text())) {
        inform(platform, kDateRefusal);
        focus(Text2);
        return false;
    }
    if (!is_real_time(Text3.text())) {
        inform(platform, kTimeRefusal);
        focus(Text3);
        return false;
    }
    // A missing report would shift the readable log's columns and leave the EDI record without
    // one.
    if (!report_fits_mode(Text8.text(), Text5.text())) {
        inform(platform, kReceivedReportRefusal);
        focus(Text8);
        return false;
    }
    if (!report_fits_mode(Text7.text(), Text5.text())) {
        inform(platform, kSentReportRefusal);
        focus(Text7);
        return false;
    }
    if (!Text6.text().empty() && qsos_.worked(Text6.text())) {
        inform(platform, kWorkedRefusal);
        PrepareNextQso();
        HideDistanceBar();
        return false;
    }
    if (const char* refusal = member_refusal(Text11.text())) {
        inform(platform, refusal);
        focus(Text11);
        return false;
    }
    const std::string& locator = Text10.text();
    // A locator the calculator cannot read would be logged at 1 km.
    if (locator.size() <= 6 && !is_readable_locator(locator)) {
        inform(platform, kLocatorRefusal);
        focus(Text10);
        return false;
    }
    if (Text6.text().size() < 4 || Text9.text().size() != 3 || locator.size() != 6) {
        // Refused without a word: the caret shows the operator where to type.
        focus(Text6.text().size() < 4 ? Text6 : Text9.text().size() != 3 ? Text9 : Text10);
        HideDistanceBar();
        return false;
    }
    // A hand-edited config.txt: an own locator that is no place would give every QSO a
    // distance from nowhere.
    if (!is_readable_locator(windows().get<BearingCalculatorScreen>().Text3.text())) {
        inform(platform, "Locatore della stazione errato: correggere i dati della stazione");
        return false;
    }
    RecalculateDistance();
    const QsoRecord qso = entry();
    const std::string edi_line = edi_qso_line(qso);
    windows().get<EdiHeaderScreen>().Text1.append(edi_line);
    Text12.append(qso_list_line(qso));
    Text14.append(edi_line);
    qsos_.add(qso);
    highest_number_ = std::max(highest_number_, qso_number_value(qso.number));
    Text1.set(next_qso_number(Text1.text(), highest_number_));
    AddToTotals(qso);
    aids.RefreshRate();
    PrepareNextQso();
    HideDistanceBar();
    return true;
}

void MainLogScreen::RecalculateDistance() {
    // The shown QRB may belong to another calculation (statistics, correction, own station
    // data saved since): the QSO is logged with the distance of its own locator.
    BearingCalculatorScreen& calculator = windows().get<BearingCalculatorScreen>();
    calculator.SetLocator2(Text10.text());
    calculator.Calculate();
}

void MainLogScreen::AddToTotals(const QsoRecord& qso) {
    ShowTotals(add_qso(totals(), qso.qrb, qso.member, qso.callsign, qso.locator));
}

void MainLogScreen::ShowTotals(const ContestTotals& next) {
    Label19.set(next.qso);
    Label21.set(next.qrb);
    Label23.set(next.molt);
    Label25.set(next.punti);
    Label51.set(next.iqrp);
    Label52.set(next.mdc);
    Label44.set(next.media);
    Label27.set(next.odx_call);
    Label28.set(next.odx_loc);
    Label29.set(next.odx_qrb);
}

void MainLogScreen::PrepareNextQso() {
    Text6.set("");
    Text9.set("");
    Text10.set("");
    Text11.set("");
    Command8_Click();
    if (online()) {
        focus(Text6);
    } else {
        focus(Text3);
        Text3.caret_to_end();
    }
}

void MainLogScreen::Command8_Click() {
    leave_focus();
    if (on_scroll_log) on_scroll_log();
}

}  // namespace zelora
