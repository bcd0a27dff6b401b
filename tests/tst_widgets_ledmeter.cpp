// Lit segments and colour zones of the segmented LED bar.
#include "ledsegments.h"

#include <QTest>

namespace {
// One character a segment: '.' dark, or the zone (1..3) of a lit segment.
QString picture(const std::vector<LedSegment> &segments)
{
    QString text;
    for (const LedSegment &s : segments)
        text += s.lit ? QChar(u'0' + s.zone) : QChar(u'.');
    return text;
}
} // namespace

class TestWidgetsLedMeter : public QObject
{
    Q_OBJECT
private slots:
    void segments_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("single");
        QTest::addColumn<int>("start2");
        QTest::addColumn<int>("start3");
        QTest::addColumn<QString>("lit");
        const QString none(20, QLatin1Char('.'));
        // The lambda bar: 1..90, 20 segments, zones 2 and 3 both from 40.
        QTest::newRow("position 0: nothing") << 1 << 90 << 0 << 20 << true << 40 << 40 << none;
        QTest::newRow("negative position: nothing") << 1 << 90 << -5 << 20 << true << 40 << 40 << none;
        QTest::newRow("position = span, single: last only") << 1 << 90 << 89 << 20 << true << 40 << 40
                                                           << QString(19, QLatin1Char('.')) + "3";
        QTest::newRow("position = span, bar: all") << 1 << 90 << 89 << 20 << false << 40 << 40
                                                  << QString(9, QLatin1Char('1')) + QString(11, QLatin1Char('3'));
        QTest::newRow("position = max: capped at all") << 1 << 90 << 90 << 20 << false << 40 << 40
                                                      << QString(9, QLatin1Char('1')) + QString(11, QLatin1Char('3'));
        QTest::newRow("single in zone 1") << 1 << 90 << 20 << 20 << true << 40 << 40 << "...1................";
        QTest::newRow("span zero: nothing") << 5 << 5 << 3 << 20 << false << 40 << 40 << none;
        QTest::newRow("span negative: nothing") << 90 << 1 << 50 << 20 << false << 40 << 40 << none;
        // Wide probe: 0..290, middle band 120..170.
        QTest::newRow("three zones") << 0 << 290 << 150 << 20 << false << 120 << 170 << "1111111122..........";
        QTest::newRow("into zone 3") << 0 << 290 << 260 << 20 << false << 120 << 170 << "111111112222333333..";
        // round(count * position / span), halves to even.
        QTest::newRow("1.5 segments light 2") << 0 << 40 << 3 << 20 << false << 100 << 100 << "11..................";
        QTest::newRow("2.5 segments light 2") << 0 << 40 << 5 << 20 << false << 100 << 100 << "11..................";
        QTest::newRow("0.5 segment lights none") << 0 << 100 << 5 << 10 << true << 50 << 75 << "..........";
        QTest::newRow("0.6 segment lights one") << 0 << 100 << 6 << 10 << true << 50 << 75 << "1.........";
        QTest::newRow("no segments") << 0 << 100 << 50 << 0 << false << 50 << 75 << "";
    }
    void segments()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, position);
        QFETCH(int, count);
        QFETCH(bool, single);
        QFETCH(int, start2);
        QFETCH(int, start3);
        QTEST(picture(ledSegments({min, max, position, count, single, start2, start3})), "lit");
    }

    void zonesOfDarkSegments()
    {
        // Dark segments keep their zone, so the bar can show its bands unlit.
        const std::vector<LedSegment> segments = ledSegments({0, 290, 0, 20, false, 120, 170});
        QString zones;
        for (const LedSegment &s : segments)
            zones += QChar(u'0' + s.zone);
        QCOMPARE(zones, QString("11111111222233333333"));
    }
};

QTEST_APPLESS_MAIN(TestWidgetsLedMeter)
#include "tst_widgets_ledmeter.moc"
