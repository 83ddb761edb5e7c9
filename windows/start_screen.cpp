#include "windows/start_screen.h"

#include "base/window_set.h"
#include "windows/history_aids.h"
#include "windows/main_log_screen.h"
#include "windows/station_screen.h"

namespace zelora {

void StartScreen::Command1_Click() {
    WindowSet& set = windows();
    MainLogScreen& main = set.get<MainLogScreen>();
    main.Command4_Click();
    main.set_visible(true);
    main.focus(main.Text6);
    if (Check1.text() == "1") main.Text15.set("1");
    set.close(WindowId::start);
}

void StartScreen::Command2_Click() {
    WindowSet& set = windows();
    // The history learns the contest the new one replaces, which is kept in parziale.db until
    // the new contest's first QSO: a history that cannot be written costs no contest.
    if (set.is_open(WindowId::main_log)) {
        set.get<MainLogScreen>().history.LearnSavedContest();
    } else {
        learn_saved_contest(set.platform());
    }
    set.get<StationScreen>().set_visible(true);
    if (Check1.text() == "1") set.get<StationScreen>().Text5.set("1");
    set.close(WindowId::start);
}

void StartScreen::Form_Close() {
    windows().leave(WindowId::start);
}

}  // namespace zelora
