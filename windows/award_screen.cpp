#include "windows/award_screen.h"

#include "base/window_set.h"

namespace zelora {

void AwardScreen::Command1_Click() {
    windows().close(WindowId::award);
}

}  // namespace zelora
