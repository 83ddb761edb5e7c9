#include "windows/member_list_screen.h"
#include "core/notices.h"

#include <optional>
#include <string>
#include <utility>

#include "base/files.h"
#include "base/text.h"
#include "base/window_set.h"
#include "store/member_list.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

constexpr const char* kIqrpChoice = "I-QRP";
constexpr const char* kMqcChoice = "MQC";
constexpr const char* kNoCallsign = "N.A.";
constexpr const char* kCrLf = "\r\n";

// A member line is one line: "#" would split the callsign from its number, and no control
// character (tab, line break) belongs in a callsign.
std::string without_separators(std::string text) {
    std::erase(text, '#');
    return without_control_characters(std::move(text));
}

// A list keeps its line ends and nothing else below the blank: a tab would be saved into the
// file and become part of a callsign.
std::string list_characters(std::string text) {
    std::erase_if(text, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\r' && c != '\n') || byte == 0x7F;
    });
    return text;
}

bool ends_with_line_end(const std::string& text) {
    return !text.empty() && (text.back() == '\r' || text.back() == '\n');
}

}  // namespace

MemberListScreen::MemberListScreen(WindowSet& windows) : Window(windows) {
    for (Control* box : {&Text5, &Text6}) box->on_change = [box] { upper_case(*box); };
    Text6.input_filter = without_separators;
    for (Control* list : {&Text1, &Text2}) list->input_filter = list_characters;
    Combo1.on_change = [this] { SelectMemberList(); };
}

void MemberListScreen::LoadMemberLists() {
    iqrp_unread_ = !load_list(Text1, Text3, kIqrpFileName);
    mqc_unread_ = !load_list(Text2, Text4, kMqcFileName);
    Label2.set(number_text(text_value(Text3.text()) + 1));
}

void MemberListScreen::SelectMemberList() {
    if (Combo1.text() == kMqcChoice) Label2.set(number_text(text_value(Text4.text()) + 1));
    if (Combo1.text() == kIqrpChoice) Label2.set(number_text(text_value(Text3.text()) + 1));
}

void MemberListScreen::FindMember() {
    const bool iqrp = Combo1.text() == kIqrpChoice;
    if (!iqrp && Combo1.text() != kMqcChoice) return;
    const std::string club = iqrp ? kIqrpChoice : kMqcChoice;
    // An empty search field lists no one: no member has an empty callsign.
    const std::optional<std::string> number =
        listed_member_number((iqrp ? Text1 : Text2).text(), Text5.text());
    if (number) {
        inform(windows().platform(),
               "Utente presente nel database " + club + " al numero " + pad_serial(*number));
    } else {
        inform(windows().platform(), "Utente non presente nel database " + club);
    }
}

void MemberListScreen::AddMember() {
    const bool iqrp = Combo1.text() == kIqrpChoice;
    if (!iqrp && Combo1.text() != kMqcChoice) return;
    if (report_unread_lists()) return;
    Control& list = iqrp ? Text1 : Text2;
    Control& count = iqrp ? Text3 : Text4;
    const std::string callsign = Text6.text();
    if (callsign.empty() || callsign == kNoCallsign ||
        listed_member_number(list.text(), callsign)) {
        inform(windows().platform(), "L'Utente non pu\xF2 essere aggiunto poiche' gia' presente");
        return;
    }
    std::string extended = list.text();
    if (!extended.empty() && !ends_with_line_end(extended)) extended += kCrLf;
    extended += callsign + "#" + Label2.text() + kCrLf;
    // The boxes change only once the files hold them: after a failed write the same
    // addition can simply be repeated.
    if (!save_lists(iqrp ? extended : Text1.text(), iqrp ? Text2.text() : extended)) return;
    list.set(extended);
    count.set(number_text(text_value(count.text()) + 1));
    SelectMemberList();
    Text6.set(kNoCallsign);
    if (windows().is_open(WindowId::main_log))
        windows().get<MainLogScreen>().aids.LoadMemberLists();
    inform(windows().platform(), "Utente aggiunto con successo nel database");
}

void MemberListScreen::Command1_Click() {
    windows().close(WindowId::member_lists);
}

bool MemberListScreen::load_list(Control& list, Control& count, const char* file_name) {
    const FileLines file = read_lines(windows().platform(), list_path(file_name));
    std::string text;
    for (const std::string& line : file.lines) text += line + kCrLf;
    list.set(text);
    count.set(number_text(static_cast<double>(file.lines.size())));
    return !file.exists || file.readable;
}

bool MemberListScreen::report_unread_lists() const {
    if (iqrp_unread_) report_read_error(windows().platform(), list_path(kIqrpFileName));
    if (mqc_unread_) report_read_error(windows().platform(), list_path(kMqcFileName));
    return iqrp_unread_ || mqc_unread_;
}

bool MemberListScreen::save_lists(const std::string& iqrp_text, const std::string& mqc_text) const {
    return save_list(kIqrpFileName, iqrp_text) && save_list(kMqcFileName, mqc_text);
}

bool MemberListScreen::save_list(const char* file_name, const std::string& text) const {
    if (replace_file(list_path(file_name), text)) return true;
    report_write_error(windows().platform(), list_path(file_name));
    return false;
}

std::string MemberListScreen::list_path(const char* file_name) const {
    return path_in(windows().platform().program_directory, file_name);
}

}  // namespace zelora
