// The compass needle and the km bar drawn where the pointing geometry puts them.
#include <QImage>
#include <QtTest>

#include "geo/pointing.h"
#include "ui/compass_picture.h"
#include "ui/km_scale_picture.h"

namespace {

QImage rendered(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}
bool is_needle(QColor c) {
    return c.red() > 150 && c.green() < 100 && c.blue() < 100;
}
bool is_bar(QColor c) {
    return c.blue() > 120 && c.red() < 80;
}

}  // namespace

class PointingPicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void needleAndBarAreDrawnWhereTheyPoint() {
        zelora::ui::CompassPicture compass;
        QCOMPARE(compass.size(), QSize(121, 121));
        QVERIFY(is_needle(rendered(compass).pixelColor(57, 18)));  // north at start
        compass.setNeedle(zelora::needle_pointing(zelora::kNeedleAtStart, 90));
        QVERIFY(is_needle(rendered(compass).pixelColor(96, 56)));
        QVERIFY(!is_needle(rendered(compass).pixelColor(57, 18)));
        const zelora::TwipLine east = zelora::needle_pointing(zelora::kNeedleAtStart, 90);
        const zelora::TwipLine kept = zelora::needle_pointing(east, 1.7976931348623157e308);
        QVERIFY(kept.x2 == east.x2 && kept.y2 == east.y2);  // a direction out of reach: no move

        zelora::ui::KmScalePicture scale;
        QCOMPARE(scale.size(), QSize(225, 42));
        QVERIFY(!is_bar(rendered(scale).pixelColor(90, 8)));  // hidden at start
        scale.setBar(zelora::bar_for_distance(zelora::kBarAtStart, 350));
        QVERIFY(is_bar(rendered(scale).pixelColor(90, 8)));
        QVERIFY(!is_bar(rendered(scale).pixelColor(110, 8)));
        scale.setBar(zelora::bar_for_distance(zelora::kBarAtStart, 1e300));  // cut at the edge
        QVERIFY(is_bar(rendered(scale).pixelColor(224, 8)));
        QVERIFY(!is_bar(rendered(scale).pixelColor(224, 20)));
    }
};

QTEST_MAIN(PointingPicturesTest)
#include "pointing_pictures_test.moc"
