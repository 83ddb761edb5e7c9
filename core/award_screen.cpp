#include "core/award_screen.h"

#include "core/window_set.h"

namespace zelora {

void AwardScreen::Command1_Click() {
    windows().close(WindowId::award);
}

}  // namespace zelora
