// The 80-bit arithmetic worked out in integers: one row per case, and, where the
// compiler's long double is the 80-bit format, every step checked against it.
#include "ExtendedReal.h"

#include <QtTest>

#include <cfloat>
#include <cmath>

using qx::ExtendedReal;

Q_DECLARE_METATYPE(ExtendedReal)

namespace {

// A figure as its sign, mantissa and exponent, for failure messages.
QString describe(const ExtendedReal &x)
{
    return QStringLiteral("%1%2 x 2^%3").arg(x.isNegative() ? "-" : "").arg(x.mantissa(), 16, 16, QLatin1Char('0'))
        .arg(x.exponent());
}

} // namespace

namespace qx {
char *toString(const ExtendedReal &x)
{
    return qstrdup(describe(x).toLatin1());
}
} // namespace qx

namespace {

using X = ExtendedReal; // short, so a row of figures fits its line

constexpr std::uint64_t operator""_m(unsigned long long mantissa)
{
    return mantissa;
}

#if LDBL_MANT_DIG == 64

long double native(const ExtendedReal &x)
{
    const long double magnitude = std::ldexp(static_cast<long double>(x.mantissa()), x.exponent());
    return x.isNegative() ? -magnitude : magnitude;
}

// A 6-byte real's mantissa, half up, worked out on the long double itself.
long double nativeTo40Bits(long double x)
{
    int exponent = 0;
    const long double mantissa = std::frexp(x, &exponent);
    return std::ldexp(std::floor(std::ldexp(mantissa, 40) + 0.5L), exponent - 40);
}

// One figure worked out both ways; each step must agree to the last bit.
struct Twin
{
    ExtendedReal exact;
    long double native;

    Twin(long long n) : exact(n), native(n) {}
    Twin(const ExtendedReal &e, long double n) : exact(e), native(n) {}

    Twin operator*(const Twin &other) const { return {exact * other.exact, native * other.native}; }
    Twin dividedByPowerOfTwo(int power) const
    {
        return {exact.dividedByPowerOfTwo(power), std::ldexp(native, -power)};
    }
    Twin roundedTo40Bits() const { return {exact.roundedTo40Bits(), nativeTo40Bits(native)}; }
    bool agrees() const { return ::native(exact) == native; }
    bool integersAgree() const { return exact.roundedToInteger() == static_cast<long long>(std::nearbyintl(native)); }
};

enum class Chain { LambdaThreshold, LambdaTicks, SwitchDelay, Products, To40Bits, ToInteger };

// A mantissa with a random number of low zero bits, so that products and
// roundings land exactly halfway now and then.
std::uint64_t randomMantissa(QRandomGenerator &random)
{
    const std::uint64_t bits = random.generate64() | (std::uint64_t(1) << 63);
    return bits & ~((std::uint64_t(1) << random.bounded(40)) - 1);
}

ExtendedReal randomReal(QRandomGenerator &random, int exponentLow, int exponentHigh)
{
    return {randomMantissa(random), int(random.bounded(exponentLow, exponentHigh)), random.bounded(2) == 1};
}

#endif

} // namespace

#if LDBL_MANT_DIG == 64
Q_DECLARE_METATYPE(Chain)
#endif

class TestParamsExtended : public QObject
{
    Q_OBJECT

private slots:
    void multiply_data()
    {
        QTest::addColumn<ExtendedReal>("a");
        QTest::addColumn<ExtendedReal>("b");
        QTest::addColumn<ExtendedReal>("product");
        QTest::newRow("small integers are exact") << X(3) << X(5) << X(15);
        QTest::newRow("signs") << X(-3) << X(5) << X(-15);
        QTest::newRow("two negatives") << X(-3) << X(-5) << X(15);
        QTest::newRow("zero") << X(0) << X(-5) << X(0);
        QTest::newRow("tie at bit 64 stays on an even mantissa")
            << X(3) << X(0x5555555555555557) << X(0x8000000000000002_m, 1);
        QTest::newRow("tie at bit 64 goes up to an even mantissa")
            << X(3) << X(0x5555555555555559) << X(0x8000000000000006_m, 1);
        QTest::newRow("a quarter below half goes down")
            << X(3) << X(0xFFFFFFFFFFFFFFFF_m, 0) << X(0xBFFFFFFFFFFFFFFF_m, 2);
        QTest::newRow("a quarter above half goes up")
            << X(3) << X(0xFFFFFFFFFFFFFFFD_m, 0) << X(0xBFFFFFFFFFFFFFFE_m, 2);
        QTest::newRow("tie on all ones carries into a new bit")
            << X(253921) << X(145295143558111) << X(0x8000000000000000_m, 2);
        QTest::newRow("all-ones factors carry through every half of the wide product")
            << X(0xFFFFFFFFFFFFFFFF_m, 0) << X(0xFFFFFFFFFFFFFFFF_m, 0) << X(0xFFFFFFFFFFFFFFFE_m, 64);
        QTest::newRow("0.001 x 1000 falls just short of 1")
            << qx::OneThousandth << X(1000) << X(0xFFFFFFFFFFFFFFFF_m, -64);
        QTest::newRow("0,50 V: 50 x 0.002") << X(50) << qx::TwoThousandths << X(0xCCCCCCCCCCCCCCCC_m, -67);
        QTest::newRow("0,50 V: then x 255, below 25.5")
            << X(0xCCCCCCCCCCCCCCCC_m, -67) << X(255) << X(0xCBFFFFFFFFFFFFFF_m, -59);
        QTest::newRow("375 ms: 91500 x 0.001, below 91.5")
            << X(375 * 244) << qx::OneThousandth << X(0xB6FFFFFFFFFFFFFF_m, -57);
        QTest::newRow("1280 ms: 1280 x 0.001") << X(1280) << qx::OneThousandth << X(0xA3D70A3D70A3D70A_m, -63);
        QTest::newRow("1280 ms: 40-bit seconds x 4000000")
            << X(0xA3D70A3D71000000_m, -63) << X(4000000) << X(0x9C4000000057E400_m, -41);
    }
    void multiply()
    {
        QFETCH(ExtendedReal, a);
        QFETCH(ExtendedReal, b);
        QTEST(a * b, "product");
        QTEST(b * a, "product");
    }

    void divide_data()
    {
        QTest::addColumn<ExtendedReal>("value");
        QTest::addColumn<int>("power");
        QTest::addColumn<ExtendedReal>("quotient");
        QTest::newRow("3 / 4") << X(3) << 2 << X(0xC000000000000000_m, -64);
        QTest::newRow("1280 ms: / 16384 keeps every bit")
            << X(0x9C4000000057E400_m, -41) << 14 << X(0x9C4000000057E400_m, -55);
        QTest::newRow("a negative power doubles") << X(-3) << -1 << X(-6);
        QTest::newRow("zero stays zero") << X(0) << 5 << X(0);
    }
    void divide()
    {
        QFETCH(ExtendedReal, value);
        QFETCH(int, power);
        QTEST(value.dividedByPowerOfTwo(power), "quotient");
    }

    void to40Bits_data()
    {
        QTest::addColumn<ExtendedReal>("value");
        QTest::addColumn<ExtendedReal>("rounded");
        QTest::newRow("40 bits stay") << X(0xA3D70A3D71000000_m, -63) << X(0xA3D70A3D71000000_m, -63);
        QTest::newRow("below half goes down") << X(0x80000000007FFFFF_m, 0) << X(0x8000000000000000_m, 0);
        QTest::newRow("half goes up from an even mantissa") << X(0x8000000000800000_m, 0) << X(0x8000000001000000_m, 0);
        QTest::newRow("negative half goes up towards zero")
            << X(0x8000000000800000_m, 0, true) << X(0x8000000000000000_m, 0, true);
        QTest::newRow("negative beyond half goes away from zero")
            << X(0x8000000000800001_m, 0, true) << X(0x8000000001000000_m, 0, true);
        QTest::newRow("carry into a new bit") << X(0xFFFFFFFFFF800000_m, 0) << X(0x8000000000000000_m, 1);
        QTest::newRow("1280 ms: the seconds") << X(0xA3D70A3D70A3D70A_m, -63) << X(0xA3D70A3D71000000_m, -63);
        QTest::newRow("zero") << X(0) << X(0);
    }
    void to40Bits()
    {
        QFETCH(ExtendedReal, value);
        QTEST(value.roundedTo40Bits(), "rounded");
    }

    void toInteger_data()
    {
        QTest::addColumn<ExtendedReal>("value");
        QTest::addColumn<qlonglong>("integer");
        QTest::newRow("2.5 to 2") << X(5).dividedByPowerOfTwo(1) << 2LL;
        QTest::newRow("3.5 to 4") << X(7).dividedByPowerOfTwo(1) << 4LL;
        QTest::newRow("-2.5 to -2") << X(-5).dividedByPowerOfTwo(1) << -2LL;
        QTest::newRow("-3.5 to -4") << X(-7).dividedByPowerOfTwo(1) << -4LL;
        QTest::newRow("0.5 to 0") << X(1).dividedByPowerOfTwo(1) << 0LL;
        QTest::newRow("0.75 to 1") << X(3).dividedByPowerOfTwo(2) << 1LL;
        QTest::newRow("2^-70 to 0") << X(1).dividedByPowerOfTwo(70) << 0LL;
        QTest::newRow("integers stay") << X(-123456789) << -123456789LL;
        QTest::newRow("2^62 + 0.5 to the even 2^62") << X(0x8000000000000001_m, -1) << (1LL << 62);
        QTest::newRow("zero") << X(0) << 0LL;
        QTest::newRow("0,50 V: just below 25.5 to 25") << X(0xCBFFFFFFFFFFFFFF_m, -59) << 25LL;
        QTest::newRow("375 ms: just below 91.5 to 91") << X(0xB6FFFFFFFFFFFFFF_m, -57) << 91LL;
        QTest::newRow("1280 ms: just above 312.5 to 313") << X(0x9C4000000057E400_m, -55) << 313LL;
    }
    void toInteger()
    {
        QFETCH(ExtendedReal, value);
        QTEST(value.roundedToInteger(), "integer");
    }

#if LDBL_MANT_DIG == 64
    void constants_data()
    {
        QTest::addColumn<ExtendedReal>("constant");
        QTest::addColumn<QString>("decimal");
        QTest::newRow("0.001") << qx::OneThousandth << "0.001";
        QTest::newRow("0.002") << qx::TwoThousandths << "0.002";
    }
    void constants()
    {
        QFETCH(ExtendedReal, constant);
        QFETCH(QString, decimal);
        QVERIFY(native(constant) == std::strtold(qPrintable(decimal), nullptr));
    }

    void againstLongDouble_data()
    {
        QTest::addColumn<Chain>("chain");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("toInteger"); // the last step is rounded to an integer too
        QTest::newRow("lambda threshold, every 0,00 ... 9,99 V") << Chain::LambdaThreshold << 0 << 999 << true;
        QTest::newRow("lambda ticks, 0 ... 10000 ms") << Chain::LambdaTicks << 0 << 10000 << true;
        QTest::newRow("lambda ticks, negative ms") << Chain::LambdaTicks << -10000 << -1 << true;
        QTest::newRow("switch delay, 0 ... 10000 ms") << Chain::SwitchDelay << 0 << 10000 << true;
        QTest::newRow("switch delay, negative ms") << Chain::SwitchDelay << -10000 << -1 << true;
        QTest::newRow("random products") << Chain::Products << 1 << 200000 << false;
        QTest::newRow("random 40-bit roundings") << Chain::To40Bits << 1 << 200000 << false;
        QTest::newRow("random integer roundings") << Chain::ToInteger << 1 << 200000 << true;
    }
    void againstLongDouble()
    {
        QFETCH(Chain, chain);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(bool, toInteger);
        const Twin thousandth(qx::OneThousandth, 0.001L);
        const Twin twoThousandths(qx::TwoThousandths, 0.002L);
        QRandomGenerator random(first);
        for (int n = first; n <= last; ++n) {
            std::vector<Twin> steps;
            switch (chain) {
            case Chain::LambdaThreshold:
                steps.push_back(Twin(n) * twoThousandths);
                steps.push_back(steps.back() * Twin(255));
                break;
            case Chain::LambdaTicks:
                steps.push_back(Twin(n) * Twin(244) * thousandth);
                break;
            case Chain::SwitchDelay:
                steps.push_back(Twin(n) * thousandth);
                steps.push_back(steps.back().roundedTo40Bits());
                steps.push_back(steps.back() * Twin(4000000));
                steps.push_back(steps.back().dividedByPowerOfTwo(14));
                break;
            case Chain::Products: {
                const ExtendedReal a = randomReal(random, -80, 80);
                const ExtendedReal b = randomReal(random, -80, 80);
                steps.push_back(Twin(a, native(a)) * Twin(b, native(b)));
                break;
            }
            case Chain::To40Bits: {
                const ExtendedReal a = randomReal(random, -80, 80);
                steps.push_back(Twin(a, native(a)).roundedTo40Bits());
                break;
            }
            case Chain::ToInteger: {
                // Magnitudes from 1/8 up to 2^40, with 24 … 66 bits below the point.
                const ExtendedReal a = randomReal(random, -66, -23);
                steps.push_back(Twin(a, native(a)));
                break;
            }
            }
            for (std::size_t i = 0; i < steps.size(); ++i) {
                if (!steps[i].agrees())
                    QFAIL(qPrintable(QStringLiteral("n = %1, step %2: %3 but long double %4")
                                         .arg(n).arg(i + 1).arg(describe(steps[i].exact))
                                         .arg(double(steps[i].native), 0, 'g', 21)));
            }
            if (toInteger && !steps.back().integersAgree())
                QFAIL(qPrintable(QStringLiteral("n = %1: the integers differ").arg(n)));
        }
    }
#endif
};

QTEST_APPLESS_MAIN(TestParamsExtended)
#include "tst_params_extended.moc"
