// The main window with a rotator (a fake): its needle on the compass, "Punta" by Alt+P with the
// caret left where it was, the status line, and Alt+R opening "Radio e rotore".
#include <QImage>
#include <QtTest>

#include "support/ui_program.h"
#include "ui/compass_picture.h"

namespace {

bool is_rotator_needle(QColor c) {
    return c.blue() > 150 && c.red() < 100;
}

}  // namespace

class StationControlTest : public QObject {
    Q_OBJECT
  private slots:
    void theRotatorsNeedleAndItsKeys() {
        zelora::testing::UiProgram p;
        p.fake.dir.write("radio.txt", "Rotore = 2\r\n");
        p.start();
        p.activate(zelora::WindowId::main_log);
        auto* compass = p.find<zelora::ui::CompassPicture>(zelora::WindowId::main_log, "Picture1");
        const auto pixel = [compass](int x, int y) {
            QImage image(compass->size(), QImage::Format_ARGB32);
            compass->render(&image);
            return image.pixelColor(x, y);
        };
        QVERIFY(!is_rotator_needle(pixel(96, 56)));
        p.fake.rotator.now = {true, zelora::DeviceFault::none, "NET rotctl", 90.0};
        p.windows.get<zelora::MainLogScreen>().station.Refresh();
        QVERIFY(is_rotator_needle(pixel(96, 56)));  // east, the QTF's needle still north
        QVERIFY(!is_rotator_needle(pixel(57, 18)));
        QCOMPARE(p.label("RotatorStatus"), QString::fromUtf8("Rotore: 90°"));
        QVERIFY(!p.find<QLabel>(zelora::WindowId::main_log, "RadioStatus")->isVisible());

        p.type("Text10", "JN81HH");
        QTest::keyClick(p.views.view(zelora::WindowId::main_log), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(p.fake.rotator.turns.size(), std::size_t{1});
        QCOMPARE(p.focused(), QString("Text10"));
        QTest::keyClick(p.views.view(zelora::WindowId::main_log), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(p.shown(zelora::WindowId::devices));
    }
};

QTEST_MAIN(StationControlTest)
#include "station_control_test.moc"
