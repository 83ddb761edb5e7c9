#pragma once

#include <string>

#include "base/control.h"
#include "base/window.h"
#include "windows/window_id.h"

namespace zelora {

// The member-list window (Form11, "Gestione Database IQRP - MQC"): search and extend the
// I-QRP and MQC member lists.
class MemberListScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::member_lists;
    explicit MemberListScreen(WindowSet& windows);

    Control Text1;            // the I-QRP list: the whole file text
    Control Text2;            // the MQC list: the whole file text
    Control Text3{"0"};       // I-QRP count
    Control Text4{"0"};       // MQC count
    Control Combo1{"I-QRP"};  // list choice: "I-QRP" or "MQC", may be typed
    Control Label2{"0"};      // next member number
    Control Text5;            // search field
    Control Text6{"N.A."};    // add field

    void Form_Load() override {
        LoadMemberLists();
        focus(Text5);  // the window is opened to look a member up
    }

    void LoadMemberLists();
    void SelectMemberList();
    void FindMember();
    void AddMember();

    void Command1_Click();                   // "Esci"
    void Command2_Click() { FindMember(); }  // "Cerca"
    void Command3_Click() { AddMember(); }   // "Aggiungi"

  private:
    // Fills a list box and its count from the file; false when the file exists but could not
    // be read.
    bool load_list(Control& list, Control& count, const char* file_name);
    // Reports every list that could not be read at opening; true when there was one.
    bool report_unread_lists() const;
    // Both files replaced with the given texts, I-QRP first; false (reported) at the first
    // one that could not be written.
    bool save_lists(const std::string& iqrp_text, const std::string& mqc_text) const;
    bool save_list(const char* file_name, const std::string& text) const;
    std::string list_path(const char* file_name) const;

    // A list unreadable at opening has an empty box: writing it back would wipe the file, so
    // additions are refused while the window holds such a list.
    bool iqrp_unread_ = false;
    bool mqc_unread_ = false;
};

}  // namespace zelora
