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

}  // namespace

MemberListScreen::MemberListScreen(WindowSet& windows) : Window(windows) {
    for (Control* box : {&Text5, &Text6}) box->on_change = [box] { upper_case(*box); };
    Text6.input_filter = without_separators;
    for (Control* list : {&Text1, &Text2}) list->input_filter = list_characters;
    Combo1.on_change = [this] { SelectMemberList(); };
}

void MemberListScreen::LoadMemberLists() {
    load_list(iqrp_file_, Text1, Text3, kIqrpFileName);
    load_list(mqc_file_, Text2, Text4, kMqcFileName);
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
    std::string iqrp_bytes = bytes_to_save(iqrp_file_, Text1);
    std::string mqc_bytes = bytes_to_save(mqc_file_, Text2);
    std::string& extended = iqrp ? iqrp_bytes : mqc_bytes;
    extended = with_member_added(std::move(extended), callsign, Label2.text());
    // Both files or neither, and the boxes change only once the files hold them: after a failed
    // write the same addition can simply be repeated.
    const std::optional<std::string> failed = replace_files(
        {{list_path(kIqrpFileName), iqrp_bytes}, {list_path(kMqcFileName), mqc_bytes}});
    if (failed) {
        report_write_error(windows().platform(), *failed);
        return;
    }
    list.set(member_list_text(extended));
    iqrp_file_ = {std::move(iqrp_bytes), Text1.text()};
    mqc_file_ = {std::move(mqc_bytes), Text2.text()};
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

void MemberListScreen::load_list(ListFile& file, Control& list, Control& count,
                                 const char* file_name) {
    const std::string path = list_path(file_name);
    std::optional<std::string> bytes = read_file(path);
    file.unread = !bytes && file_exists(path);
    if (file.unread) report_read_error(windows().platform(), path);
    file.bytes = std::move(bytes).value_or("");
    list.set(member_list_text(file.bytes));
    file.shown = list.text();
    count.set(
        number_text(static_cast<double>(split_lines(without_byte_order_mark(file.bytes)).size())));
}

std::string MemberListScreen::bytes_to_save(const ListFile& file, const Control& list) {
    return list.text() == file.shown ? file.bytes : list.text();
}

bool MemberListScreen::report_unread_lists() const {
    if (iqrp_file_.unread) report_read_error(windows().platform(), list_path(kIqrpFileName));
    if (mqc_file_.unread) report_read_error(windows().platform(), list_path(kMqcFileName));
    return iqrp_file_.unread || mqc_file_.unread;
}

std::string MemberListScreen::list_path(const char* file_name) const {
    return path_in(windows().platform().program_directory, file_name);
}

}  // namespace zelora
