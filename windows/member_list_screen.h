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

    void Form_Load() override { LoadMemberLists(); }

    void LoadMemberLists();
    void SelectMemberList();
    void FindMember();
    void AddMember();

    void Command1_Click();                   // "Esci"
    void Command2_Click() { FindMember(); }  // "Cerca"
    void Command3_Click() { AddMember(); }   // "Aggiungi"

  private:
    // A list file as the window last read or wrote it, and its box as it then showed it: a box
    // nobody has edited is saved as the file's own bytes, which the box cannot all show (NUL
    // bytes, a byte-order mark, bare LF line ends).
    struct ListFile {
        std::string bytes;
        std::string shown;
        // Unreadable at opening, so its box is empty: writing it back would wipe the file, so
        // additions are refused while the window holds such a list.
        bool unread = false;
    };

    // Fills a list box and its count from the file.
    void load_list(ListFile& file, Control& list, Control& count, const char* file_name);
    // The bytes to save for a list: the file's own, or the box's when the operator edited it.
    static std::string bytes_to_save(const ListFile& file, const Control& list);
    // Reports every list that could not be read at opening; true when there was one.
    bool report_unread_lists() const;
    std::string list_path(const char* file_name) const;

    ListFile iqrp_file_;
    ListFile mqc_file_;
};

}  // namespace zelora
