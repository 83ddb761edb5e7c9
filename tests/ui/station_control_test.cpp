// The main window with a rotator (a fake): its needle on the compass, "Punta" by Alt+P with the
// caret left where it was, the status line, and Alt+R opening "Radio e rotore".
#include <QImage>
#include <QtTest>

#include "support/ui_program.h"
#include "ui/compass_picture.h"

using zelora::WindowId;

class StationControlTest : public QObject {
    Q_OBJECT
  private slots:
    void theRotatorsNeedleAndItsKeys() {
        zelora::testing::UiProgram p;
        p.fake.dir.write("radio.txt", "Rotore = 2\r\n");
        p.start();
        p.activate(WindowId::main_log);
        // Whether the rotator's needle (blue) points east: the QTF's starts north.
        const auto needle_east =
            [compass = p.find<zelora::ui::CompassPicture>(WindowId::main_log, "Picture1")] {
                QImage image(compass->size(), QImage::Format_ARGB32);
                compass->render(&image);
                const QColor c = image.pixelColor(96, 56);
                return c.blue() > 150 && c.red() < 100;
            };
        QVERIFY(!needle_east());
        p.fake.rotator.now = {true, zelora::DeviceFault::none, "NET rotctl", 90.0};
        p.windows.get<zelora::MainLogScreen>().station.Refresh();
        QVERIFY(needle_east());
        QCOMPARE(p.label("RotatorStatus"), QString::fromUtf8("Rotore: 90°"));
        QVERIFY(!p.find<QLabel>(WindowId::main_log, "RadioStatus")->isVisible());

        p.type("Text10", "JN81HH");
        QTest::keyClick(p.views.view(WindowId::main_log), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(p.fake.rotator.turns.size(), std::size_t{1});
        QCOMPARE(p.focused(), QString("Text10"));
        QTest::keyClick(p.views.view(WindowId::main_log), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(p.shown(WindowId::devices));
    }
};

QTEST_MAIN(StationControlTest)
#include "station_control_test.moc"
