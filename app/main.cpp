// The Zelora QRP contest logger: the real clock, Qt message boxes, the radio and the rotator
// through Hamlib, and the windows.

#include <QApplication>

#include "base/directory_lock.h"
#include "core/notices.h"
#include "hamlib/hamlib_devices.h"
#include "ui/qt_platform.h"
#include "ui/window_views.h"
#include "windows/main_log_screen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    app.setQuitOnLastWindowClosed(false);  // the windows' logic decides when the program ends

    zelora::ui::SystemClock clock;
    zelora::ui::QtMessageBoxes messages;
    // Their workers start only when radio.txt chooses a device; they outlive the windows, and
    // going they end promptly even in the middle of a call.
    const auto radio = zelora::make_hamlib_radio();
    const auto rotator = zelora::make_hamlib_rotator();
    zelora::Platform platform = zelora::ui::program_platform(clock, messages);
    platform.radio = radio.get();
    platform.rotator = rotator.get();
    zelora::ui::QtFileChooser files;
    platform.files = &files;
    // Held until the program ends; the system lets it go however the program ends.
    const zelora::DirectoryLock lock(platform.program_directory);
    if (lock.held_elsewhere()) {
        inform(platform, "Il programma e' gia' in esecuzione in questa cartella");
        return 0;
    }
    if (!lock.taken()) {  // unguarded, two copies could overwrite each other's contest
        alert(platform, "Impossibile bloccare la cartella " +
                            platform.shown_path(platform.program_directory) +
                            ": il programma non puo' partire");
        return 1;
    }
    zelora::WindowSet windows(platform);
    zelora::ui::WindowViews views(windows);

    zelora::start_program(windows);
    if (windows.finished()) return 0;
    const int status = QApplication::exec();
    windows.quit();
    return status;
}
