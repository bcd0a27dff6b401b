// Which colour sector a scale position falls in.
#include "sectors.h"
#include "valuemapping.h"

#include <QTest>

namespace {
const QColor c1(Qt::blue), c2(Qt::green), c3(Qt::red);

SectorSettings sectors(int from1, int to1, int from2, int to2, int from3, int to3)
{
    SectorSettings s;
    s.sectors = {Sector{from1, to1, c1}, Sector{from2, to2, c2}, Sector{from3, to3, c3}};
    return s;
}
} // namespace

class TestWidgetsSectors : public QObject
{
    Q_OBJECT
private slots:
    void sectorOfPosition_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<int>("sector");
        // The engine speed meter's sectors 0-80, 80-820, 820-1000.
        QTest::newRow("start of scale") << 0.0 << 0;
        QTest::newRow("inside first") << 79.0 << 0;
        QTest::newRow("first/second boundary is first") << 80.0 << 0;
        QTest::newRow("an eighth past the boundary") << 80.125 << 1;
        QTest::newRow("second/third boundary is second") << 820.0 << 1;
        QTest::newRow("inside third") << 821.0 << 2;
        QTest::newRow("end of scale") << 1000.0 << 2;
        QTest::newRow("past the end") << 1000.5 << -1;
        QTest::newRow("before the start") << -0.5 << -1;
    }
    void sectorOfPosition()
    {
        QFETCH(double, position);
        QFETCH(int, sector);
        const SectorSettings s = sectors(0, 80, 80, 820, 820, 1000);
        QCOMPARE(sectorAt(s, position), sector);
        const QColor plain(Qt::gray);
        QCOMPARE(sectorColor(s, position, plain), sector < 0 ? plain : s.sectors[size_t(sector)].color);
    }

    void sectorOfValue_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("sector");
        // The lambda bar: 0..60 with sectors 0-400, 400-600, 600-1000.
        QTest::newRow("lean") << 10 << 0;
        QTest::newRow("value exactly on 400 is lower") << 24 << 0;
        QTest::newRow("just above 400") << 25 << 1;
        QTest::newRow("value exactly on 600 is lower") << 36 << 1;
        QTest::newRow("rich") << 37 << 2;
        QTest::newRow("top") << 60 << 2;
        QTest::newRow("off the scale") << 61 << -1;
    }
    void sectorOfValue()
    {
        QFETCH(int, value);
        ValueMapping m;
        m.setRange(0, 60, 0, 60);
        QTEST(sectorAt(sectors(0, 400, 400, 600, 600, 1000), m.valuePosition(m.valueOf(value))), "sector");
    }

    void colourlessSectorIsUnused()
    {
        SectorSettings s = sectors(0, 500, 0, 1000, 2000, 3000);
        s.sectors[0].color = QColor();
        QCOMPARE(sectorAt(s, 100), 1);
        QCOMPARE(sectorAt(SectorSettings(), 0), -1);
    }
};

QTEST_APPLESS_MAIN(TestWidgetsSectors)
#include "tst_widgets_sectors.moc"
