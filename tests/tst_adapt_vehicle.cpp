// The vehicle pages' choices: the pairs the clicks keep, the stepper opening
// from intake and capacity, and the flag bits the clicks put into the write.
#include "AdaptationState.h"
#include "AdaptationWrites.h"
#include "VehicleBoxes.h"
#include "VehicleChoices.h"
#include "WriteRecorder.h"

#include <QtTest>

using namespace qx;

namespace {

const VehicleBox AllBoxes[] = {VehicleBox::Metal,  VehicleBox::Plastic,  VehicleBox::Manual,
                               VehicleBox::Automatic, VehicleBox::Glass20k, VehicleBox::Glass90R};

// Intake, gearbox and glass as three letters, a capital for the first box
// of the pair: "Mm2" reads metal, manual, 20k; "Pa9" plastic, automatic, 90R.
QString pairs(const VehicleChoices &v)
{
    const auto one = [](bool first, bool second, char a, char b) {
        return first == second ? QChar('?') : QChar(first ? a : b);
    };
    return QString(one(v.metalIntake, v.plasticIntake, 'M', 'P')) + one(v.manualGearbox, v.automaticGearbox, 'm', 'a')
            + one(v.glass20k, v.glass90R, '2', '9');
}

} // namespace

Q_DECLARE_METATYPE(qx::VehicleBox)
Q_DECLARE_METATYPE(qx::EngineCapacity)

class TestAdaptVehicle : public QObject
{
    Q_OBJECT

private slots:
    void stepperOpening_data()
    {
        QTest::addColumn<EngineCapacity>("capacity");
        QTest::addColumn<int>("metal");
        QTest::addColumn<int>("plastic");
        QTest::newRow("<1 L") << EngineCapacity::Below1L << 2 << 3;
        QTest::newRow("1 - 1.5 L") << EngineCapacity::From1To1_5L << 3 << 5;
        QTest::newRow("1.5 - 2 L") << EngineCapacity::From1_5To2L << 5 << 7;
        QTest::newRow("2 - 3 L") << EngineCapacity::From2To3L << 7 << 9;
        QTest::newRow("> 3 L") << EngineCapacity::Above3L << 9 << 11;
    }
    void stepperOpening()
    {
        QFETCH(EngineCapacity, capacity);
        VehicleChoices vehicle;
        vehicle.capacity = capacity;
        QTEST(qx::stepperOpening(vehicle), "metal");
        clickVehicleBox(vehicle, VehicleBox::Plastic, true);
        QTEST(qx::stepperOpening(vehicle), "plastic");
        vehicle.plasticIntake = false;
        QCOMPARE(qx::stepperOpening(vehicle), 0);
    }

    // "ticked" is what the click left on the box; a picture click passes true.
    void clicks_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<VehicleBox>("box");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("after");
        QTest::newRow("unticking Metal ticks Tworzywo") << "Mm2" << VehicleBox::Metal << false << "Pm2";
        QTest::newRow("ticking Metal unticks Tworzywo") << "Pm2" << VehicleBox::Metal << true << "Mm2";
        QTest::newRow("ticking Tworzywo unticks Metal") << "Mm2" << VehicleBox::Plastic << true << "Pm2";
        QTest::newRow("ticking Automatyczna unticks Ręczna") << "Mm2" << VehicleBox::Automatic << true << "Ma2";
        QTest::newRow("unticking Automatyczna ticks Ręczna") << "Pa9" << VehicleBox::Automatic << false << "Pm9";
        QTest::newRow("90R picture ticks 90R, unticks 20k") << "Mm2" << VehicleBox::Glass90R << true << "Mm9";
        QTest::newRow("20k picture ticks 20k, unticks 90R") << "Mm9" << VehicleBox::Glass20k << true << "Mm2";
        QTest::newRow("clicking the ticked 20k keeps it") << "Mm2" << VehicleBox::Glass20k << false << "Mm2";
        QTest::newRow("clicking the ticked 90R keeps it") << "Pa9" << VehicleBox::Glass90R << false << "Pa9";
    }
    void clicks()
    {
        QFETCH(QString, before);
        QFETCH(VehicleBox, box);
        QFETCH(bool, ticked);
        VehicleChoices vehicle;
        vehicle.metalIntake = before[0] == 'M';
        vehicle.plasticIntake = !vehicle.metalIntake;
        vehicle.manualGearbox = before[1] == 'm';
        vehicle.automaticGearbox = !vehicle.manualGearbox;
        vehicle.glass20k = before[2] == '2';
        vehicle.glass90R = !vehicle.glass20k;
        QCOMPARE(pairs(vehicle), before);
        clickVehicleBox(vehicle, box, ticked);
        QTEST(pairs(vehicle), "after");
        QCOMPARE(isTicked(vehicle, box), ticked || box == VehicleBox::Glass20k || box == VehicleBox::Glass90R);
    }

    // Any run of clicks, each toggling its box as a check box does, leaves
    // every pair with exactly one tick and the capacity as it was.
    void clicksNeverBreakAPair()
    {
        VehicleChoices vehicle;
        vehicle.capacity = EngineCapacity::From2To3L;
        for (int round = 0; round < 3; ++round)
            for (VehicleBox box : AllBoxes) {
                clickVehicleBox(vehicle, box, !isTicked(vehicle, box));
                QVERIFY2(!pairs(vehicle).contains('?'), qPrintable(pairs(vehicle)));
            }
        QCOMPARE(vehicle.capacity, EngineCapacity::From2To3L);
    }

    // The clicks reach the controller: the gearbox as the cut-off bit, the
    // glass as bit 7 of the flag byte the adaptation set leaves.
    void clickedChoicesInTheWrite_data()
    {
        QTest::addColumn<QList<VehicleBox>>("clicked");
        QTest::addColumn<int>("flags");
        QTest::newRow("as the pages open: manual, 20k") << QList<VehicleBox>{} << 0x80;
        QTest::newRow("Automatyczna") << QList<VehicleBox>{VehicleBox::Automatic} << 0x90;
        QTest::newRow("90R picture") << QList<VehicleBox>{VehicleBox::Glass90R} << 0x00;
        QTest::newRow("Automatyczna, 90R, then Ręczna")
            << QList<VehicleBox>{VehicleBox::Automatic, VehicleBox::Glass90R, VehicleBox::Manual} << 0x00;
    }
    void clickedChoicesInTheWrite()
    {
        QFETCH(QList<VehicleBox>, clicked);
        VehicleChoices vehicle;
        for (VehicleBox box : clicked)
            clickVehicleBox(vehicle, box, true);
        AdaptationState state;
        state.TpsRising = 1;
        quint8 flags = 0x10; // cut-off on, as a manual gearbox must not keep it
        WriteRecorder written; // only the flag byte it leaves matters here
        writeAdaptationSet(state, vehicle, {4800, 8, &flags}, written);
        QTEST(int(flags), "flags");
    }
};

QTEST_GUILESS_MAIN(TestAdaptVehicle)
#include "tst_adapt_vehicle.moc"
