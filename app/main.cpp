// The Zelora QRP contest logger: the real clock, Qt message boxes and the windows.

#include <QApplication>

#include "base/directory_lock.h"
#include "core/notices.h"
#include "ui/qt_platform.h"
#include "ui/window_views.h"
#include "windows/main_log_screen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    app.setQuitOnLastWindowClosed(false);  // the windows' logic decides when the program ends

    zelora::ui::SystemClock clock;
    zelora::ui::QtMessageBoxes messages;
    zelora::ui::QtFileChooser files;
    const zelora::Platform platform{clock, messages, zelora::ui::executable_directory(),
                                    zelora::ui::executable_directory_text(), &files};
    // Held until the program ends; the system lets it go however the program ends.
    const zelora::DirectoryLock lock(platform.program_directory);
    if (!lock.taken()) {
        inform(platform, "Il programma e' gia' in esecuzione in questa cartella");
        return 0;
    }
    zelora::WindowSet windows(platform);
    zelora::ui::WindowViews views(windows);

    zelora::start_program(windows);
    if (windows.finished()) return 0;
    const int status = QApplication::exec();
    windows.quit();
    return status;
}
