#include "windows/edi_header_screen.h"
#include "core/notices.h"

#include <cstdio>
#include <optional>

#include "base/text.h"
#include "base/window_set.h"
#include "core/entry_rules.h"
#include "export/power_category.h"
#include "windows/edi_save_screen.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

// dd/mm/yyyy, the form the log's TDate is read from.
std::string long_date_text(const DateTime& when) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", when.day, when.month, when.year);
    return text;
}

}  // namespace

EdiHeaderScreen::EdiHeaderScreen(WindowSet& windows) : Window(windows) {
    // Each box is one line of the log: a line break would start a line of its own, a ";"
    // would add a field to it. The comments are lines of their own, free text.
    for (Control* box : {&Text2,  &Text3,  &Text4,  &Combo1, &Text5,  &Text6,  &Text7,
                         &Text8,  &Text9,  &Text10, &Text11, &Text12, &Text13, &Text14,
                         &Text15, &Text16, &Text17, &Text18, &Text19, &Text20, &Text21}) {
        box->input_filter = without_separators;
    }
}

void EdiHeaderScreen::Form_Load() {
    Text6.set(long_date_text(windows().platform().clock.local_now()));
}

EdiHeader EdiHeaderScreen::header() const {
    return {Text2.text(),  Text3.text(),  Combo1.text(), Text6.text(),  Text7.text(),
            Text8.text(),  Text9.text(),  Text10.text(), Text11.text(), Text12.text(),
            Text13.text(), Text14.text(), Text15.text(), Text16.text(), Text17.text(),
            Text18.text(), Text19.text(), Text20.text(), Text21.text(), Text22.text()};
}

void EdiHeaderScreen::Command1_Click() {
    set_visible(false);
}

void EdiHeaderScreen::Command2_Click() {
    WindowSet& set = windows();
    if (const std::optional<std::string> refusal = power_refusal(Combo1.text(), Text19.text())) {
        inform(set.platform(), *refusal);
        return;
    }
    const MainLogScreen& main = set.get<MainLogScreen>();
    const EdiHeader typed = header();
    const EdiContest contest{main.totals(), main.Label41.text(), main.Label42.text(),
                             main.Text2.text()};
    EdiSaveScreen& save = set.get<EdiSaveScreen>();
    save.Text1.set(edi_log_text(typed, contest, Text1));
    if (const std::string name = proposed_file_name(typed); !name.empty()) save.Text2.set(name);
    set_visible(false);
    save.set_visible(true);
}

}  // namespace zelora
