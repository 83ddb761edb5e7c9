// Windows on the screen: where they open, how wide values and message titles make them.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

#include "support/table.h"
#include "support/ui_program.h"
#include "ui/elided_label.h"
#include "ui/qt_platform.h"
#include "windows/admin_screen.h"
#include "windows/award_screen.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/edi_header_screen.h"
#include "windows/edi_save_screen.h"
#include "windows/member_list_screen.h"
#include "windows/qso_edit_screen.h"
#include "windows/report_screen.h"
#include "windows/start_screen.h"
#include "windows/station_screen.h"
#include "windows/statistics_screen.h"

using zelora::WindowId;

namespace {

constexpr const char* kStationFile = "Call = ZZ9AAB\r\nLocator = JN81GD\r\nIQRP = 001\r\n";

struct Program : zelora::testing::UiProgram {
    explicit Program(const std::string& partial_state = {}) {
        fake.dir.write("config.txt", kStationFile);
        if (!partial_state.empty()) fake.dir.write("parziale.db", partial_state);
        zelora::start_program(windows);
        if (!partial_state.empty()) click(WindowId::start, "Command1");
    }
    QWidget* main() const { return views.view(WindowId::main_log); }
    int width_of(const char* name) const {
        return find<QWidget>(WindowId::main_log, name)->width();
    }
};

template <class... Screens>
void show(zelora::WindowSet& windows) {
    (windows.get<Screens>().set_visible(true), ...);
}

QRect screen_room() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Whole inside every element that holds it. A part that scrolls may hide what it holds when
// `scrolled` is allowed.
bool whole(const QWidget* widget, bool scrolled) {
    QRect area = widget->rect();
    for (const QWidget* inner = widget; !inner->isWindow(); inner = inner->parentWidget()) {
        const QWidget* outer = inner->parentWidget();
        area.translate(inner->pos());
        const auto* scroll = qobject_cast<const QAbstractScrollArea*>(outer->parentWidget());
        if (scrolled && scroll && scroll->viewport() == outer) {
            area = outer->rect();  // scrolled to
            continue;
        }
        if (!outer->rect().contains(area)) return false;
    }
    return true;
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
  private slots:
    // Every window with its title, on the screen with every control in view, down to a netbook's
    // 1024 x 600; on an 800 x 600 screen only the parts that scroll may hide some of theirs. The
    // frames' widest real values show whole.
    void everyWindowFitsTheScreen() {
        Program program(
            "QSO# 026\r\nCONTEST_PUNTI 9999999\r\nCONTEST_IQRP 25\r\nCONTEST_ODX_CALL "
            "WW0WWW/QRP/P\r\nCONTEST_ODX_LOC MM99WW\r\nCONTEST_ODX_QRB  19999\r\nLISTA_QSO "
            "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   \r\nQSO_EDI "
            "200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;1;;;;\r\n");
        program.windows.get<zelora::MainLogScreen>().Label39.set("WW0WWW/QRP/P");
        program.windows.get<zelora::MainLogScreen>().Text10.set("MM99WW");
        show<zelora::StartScreen, zelora::StationScreen, zelora::EdiHeaderScreen,
             zelora::EdiSaveScreen, zelora::QsoEditScreen, zelora::StatisticsScreen,
             zelora::ReportScreen, zelora::AwardScreen, zelora::AdminScreen,
             zelora::MemberListScreen, zelora::BearingCalculatorScreen>(program.windows);
        const auto titles = zelora::testing::read_table(ZELORA_TEST_DATA "/ui/window_titles.txt");
        const QRect room = screen_room();
        const bool scrolled = room.width() < 1024;
        for (int id = 0; id < static_cast<int>(WindowId::count); ++id) {
            QWidget* window = program.views.view(static_cast<WindowId>(id));
            if (!window || !window->isVisible()) continue;
            const QByteArray title = window->windowTitle().toUtf8();
            if (id < static_cast<int>(titles.size()))
                QCOMPARE(title.toStdString(), titles[static_cast<std::size_t>(id)].out[0]);
            // Room for the title in the window manager's bold font and its buttons.
            const QFontMetrics metrics(QApplication::font());
            QVERIFY2(window->width() > metrics.horizontalAdvance(window->windowTitle()) + 100,
                     title);
            // A window manager's title bar and borders come on top.
            const QSize least = window->minimumSizeHint();
            QVERIFY2(least.boundedTo(room.size().shrunkBy(QMargins(4, 30, 4, 4))) == least, title);
            QVERIFY2(room.contains(window->frameGeometry()), title);
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!control->isVisibleTo(window) || control->inherits("QScrollBar")) continue;
                const QByteArray name = title + " " + control->metaObject()->className() + " " +
                                        control->objectName().toUtf8();
                QVERIFY2(whole(control, scrolled), name);
                if (auto* value = qobject_cast<zelora::ui::ElidedLabel*>(control)) {
                    QVERIFY2(value->fontMetrics().horizontalAdvance(value->text()) <=
                                 value->contentsRect().width(),
                             name + " " + value->text().toUtf8());
                }
            }
        }
    }

    // The duplicate mark right under the callsign box, the member hint under the member box:
    // where the operator looks while typing.
    void operatorAidsSitUnderTheirBoxes() {
        Program program;
        for (const auto& [aid, box] : {std::pair{"DupeMark", "Text6"}, {"MemberHint", "Text11"}}) {
            const auto place = [&program](const char* name) {
                const QWidget* widget = program.find<QWidget>(WindowId::main_log, name);
                return QRect(widget->mapTo(program.main(), QPoint()), widget->size());
            };
            const QRect under = place(aid), above = place(box);
            QVERIFY2(under.top() > above.bottom() && under.top() - above.bottom() < 10, aid);
            QVERIFY2(under.left() < above.right() && under.right() > above.left(), aid);
        }
    }

    // Wherever the main window stands, the member lists open over it and whole on the screen.
    void windowsOpenOverTheMainWindowAndWholeOnTheScreen() {
        const QRect room = screen_room();
        for (const QPoint main_at :
             {QPoint(room.left(), room.top()), QPoint(room.right() - 100, room.bottom() - 100)}) {
            Program program;
            QVERIFY(room.contains(program.main()->frameGeometry()));
            program.main()->move(main_at);
            program.windows.get<zelora::AdminScreen>().set_visible(true);
            program.click(WindowId::admin, "Command2");
            const QRect lists = program.views.view(WindowId::member_lists)->frameGeometry();
            QVERIFY(room.contains(lists));
            QVERIFY(lists.intersects(program.main()->frameGeometry()));
            if (room.contains(program.main()->frameGeometry()))
                QCOMPARE(lists.center(), program.main()->frameGeometry().center());
        }
    }

    void theMainWindowComesBackWhereItWasAfterBackToStart() {
        Program program("QSO# 001\r\nLISTA_QSO \r\nQSO_EDI \r\n");
        const QRect where(40, 25, 960, 735);
        program.main()->setGeometry(where);
        program.click(WindowId::main_log, "Command10");
        program.click(WindowId::start, "Command1");
        QCOMPARE(program.main()->geometry(), where);
    }

    // A 60-character ODX callsign and a 1 KB score: cut on screen, the layout does not move.
    void longValuesNeverWidenTheFrames() {
        Program ordinary("QSO# 001\r\nCONTEST_ODX_CALL ZZ9XA\r\nCONTEST_PUNTI 770\r\n");
        const std::string call(60, 'W'), points(1024, '9');
        Program hostile("QSO# 001\r\nCONTEST_ODX_CALL " + call + "\r\nCONTEST_PUNTI " + points +
                        "\r\n");
        QCOMPARE(hostile.find<QLabel>(WindowId::main_log, "Label27")->text().toStdString(), call);
        QCOMPARE(hostile.find<QLabel>(WindowId::main_log, "Label25")->text().toStdString(), points);
        for (const char* name : {"Frame1", "Frame2", "Text12"})
            QCOMPARE(hostile.width_of(name), ordinary.width_of(name));
        QCOMPARE(hostile.main()->size(), ordinary.main()->size());
    }

    // A message box is wide enough for its whole title.
    void messageBoxesShowTheirWholeTitle() {
        const QString title = QStringLiteral("Zelora VHF qrp Test");
        int width = 0;
        QTimer::singleShot(0, [&width] {
            QWidget* box = QApplication::activeModalWidget();
            width = box->width();
            box->close();
        });
        zelora::ui::QtMessageBoxes().show(title.toStdString(), "Locatore errato",
                                          zelora::MessageIcon::information);
        QVERIFY(width > QFontMetrics(QApplication::font()).horizontalAdvance(title) + 100);
    }
};

int main(int argc, char** argv) {
    // A laptop's screen, or the screen named by ZELORA_TEST_SCREEN (a netbook's 1024x600).
    const QByteArray size = qEnvironmentVariable("ZELORA_TEST_SCREEN", "1024x768").toLatin1();
    const QList<QByteArray> sides = size.split('x');
    if (sides.size() != 2) return 1;
    QTemporaryFile screens;
    if (!screens.open()) return 1;
    screens.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": )" + sides[0] +
                  R"(, "height": )" + sides[1] +
                  R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "screen_fit_test.moc"
