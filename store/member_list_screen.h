#pragma once

#include "core/control.h"
#include "core/window.h"

namespace zelora {

// The member-list window (Form11, "Gestione Database IQRP - MQC"): search and extend the
// I-QRP and MQC member lists.
class MemberListScreen : public Window {
public:
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

    void Command1_Click();  // "Esci"
    void Command2_Click() { FindMember(); }  // "Cerca"
    void Command3_Click() { AddMember(); }   // "Aggiungi"
};

}  // namespace zelora
