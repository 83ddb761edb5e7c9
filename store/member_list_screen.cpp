#include "store/member_list_screen.h"

#include "core/window_set.h"

namespace zelora {

MemberListScreen::MemberListScreen(WindowSet& windows) : Window(windows) {}

void MemberListScreen::LoadMemberLists() {}
void MemberListScreen::SelectMemberList() {}
void MemberListScreen::FindMember() {}
void MemberListScreen::AddMember() {}
void MemberListScreen::Command1_Click() { windows().close(WindowId::member_lists); }

}  // namespace zelora
