#include "windows/admin_screen.h"

#include "base/window_set.h"
#include "windows/member_list_screen.h"

namespace zelora {

void AdminScreen::Command1_Click() {
    windows().close(WindowId::admin);
}

void AdminScreen::Command2_Click() {
    windows().get<MemberListScreen>().bring_to_front();
    windows().close(WindowId::admin);
}

}  // namespace zelora
