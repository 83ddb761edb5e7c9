#pragma once

#include <cstddef>

namespace zelora {

// Every window of the program, by its form name. The window set keeps one slot for each.
enum class WindowId : std::size_t {
    main_log,            // Form1
    edi_header,          // Form2
    station,             // Form3
    edi_save,            // Form4
    start,               // Form5
    qso_edit,            // Form6
    statistics,          // Form7
    report,              // Form8
    award,               // Form9
    admin,               // Form10
    member_lists,        // Form11
    bearing_calculator,  // Form22222
    devices,             // "Radio e rotore"
    count
};

}  // namespace zelora
