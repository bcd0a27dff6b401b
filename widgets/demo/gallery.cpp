#include "gallery.h"

#include "presets.h"
#include "tab180meter.h"
#include "tab270meter.h"
#include "tabhbar.h"
#include "tabled.h"
#include "tabtank.h"
#include "tabthermometer.h"
#include "tgauge.h"
#include "tledmeter.h"
#include "tscope.h"

#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

// Font of the captions under the instruments, in points at scale 1.
static constexpr qreal captionPoints = 9;

Gallery::Gallery(qreal scale, QWidget *parent)
    : QWidget(parent)
    , m_scale(scale)
    , m_page(new QVBoxLayout(this))
{
    setWindowTitle(QStringLiteral("Quorvantix instruments (scale %1)").arg(scale));
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, QColor(0xdc, 0xe0, 0xe5));
    page.setColor(QPalette::WindowText, QColor(0x1c, 0x20, 0x24));
    setPalette(page);
    m_page->setSpacing(int(std::lround(6 * scale)));
    m_page->setContentsMargins(QMargins(1, 1, 1, 1) * int(std::lround(14 * scale)));

    m_rpmVisual = new TAb270Meter;
    Presets::engineSpeedMeter(*m_rpmVisual, QStringLiteral("Obroty"), QStringLiteral("RPM"));
    m_tps = new TAb180Meter;
    Presets::throttleMeter(*m_tps);
    m_reducerTemp = new TAbThermometer;
    Presets::reducerThermometer(*m_reducerTemp);
    m_stepper = new TAbTank;
    Presets::stepperTank(*m_stepper);
    m_lambdaLeds = new TLEDMeter;
    Presets::lambdaLedMeter(*m_lambdaLeds);
    m_gasLevel = new TGauge;
    m_fuel = new TAbLED;
    m_fuel->setCaption(QStringLiteral("Gaz"));
    m_fuel->setChecked(true);
    m_scope = new TScope;
    // The page's trace selectors switch on the other three traces.
    m_scope->setChannelEnabled(TScope::ChannelB, true);
    m_scope->setChannelEnabled(TScope::ChannelC, true);
    m_scope->setChannelEnabled(TScope::ChannelD, true);

    m_rpmPage = new TAb270Meter;
    Presets::engineSpeedMeter(*m_rpmPage, QStringLiteral("RPM"), QString());
    m_lambdaLedsParams = new TLEDMeter;
    Presets::lambdaLedMeter(*m_lambdaLedsParams);

    m_adaptTemp = new TAbThermometer;
    Presets::adaptationThermometer(*m_adaptTemp);
    m_rpmAdapt = new TAb270Meter;
    Presets::engineSpeedMeter(*m_rpmAdapt, QStringLiteral("Obroty"), QString());
    m_progressBar = new TAbHBar;
    Presets::percentBar(*m_progressBar);
    m_lambdaBar = new TAbHBar;
    Presets::lambdaBar(*m_lambdaBar);
    MinMaxMarks marks;
    marks.minVisible = marks.maxVisible = true;
    m_lambdaBar->setMinMaxMarks(marks);
    m_calibrationLed = new TAbLED;
    m_calibrationLed->setFrequency(FlashClock::ff8Hz);
    m_calibrationLed->setChecked(true);
    m_calibrationLed->setFlashing(true);
    m_stepLed = new TAbLED;
    m_stepLed->setCaption(QStringLiteral("Min"));
    m_stepLed->setChecked(true);
    m_stepLed->setFlashing(true);

    const QString rpmRange = QStringLiteral("0 – 8000 → 0.0 – 8.0");
    addSection(QStringLiteral("Visualisation page"));
    addCell(m_rpmVisual, {220, 220}, QStringLiteral("obrotomierz"), rpmRange + QStringLiteral(" RPM"));
    addCell(m_tps, {210, 148}, QStringLiteral("Gauge4"), QStringLiteral("0 – 240 → 0.0 – 12.0 V"));
    addCell(m_reducerTemp, {66, 210}, QStringLiteral("AbThermometer1"), QStringLiteral("96 – 155 → −30 – 90 °C"));
    addCell(m_stepper, {96, 210}, QStringLiteral("Gauge2"), QStringLiteral("0 – 255 STEPS"));
    addCell(m_lambdaLeds, {30, 210}, QStringLiteral("LEDMeter1"), QStringLiteral("1 – 90, 20 segments"));
    addCell(m_gasLevel, {46, 190}, QStringLiteral("Gauge3"), QStringLiteral("0 – 100 %"));
    addCell(m_fuel, {120, 32}, QStringLiteral("AbLED1"), QStringLiteral("1 Hz"));

    addSection(QStringLiteral("Visualisation page (traces) · RPM page · Parameters page"));
    addCell(m_scope, {432, 216}, QStringLiteral("Scope1"), QStringLiteral("4 traces, 0 – 100, interval 10, grid 54"));
    addCell(m_rpmPage, {200, 200}, QStringLiteral("gauge1"), rpmRange);
    addCell(m_lambdaLedsParams, {30, 210}, QStringLiteral("LEDMeter2"), QStringLiteral("as LEDMeter1"));

    addSection(QStringLiteral("Adaptation pages"));
    addCell(m_adaptTemp, {66, 210}, QStringLiteral("AdaptTherm"), QStringLiteral("111 – 171 → 0 – 120 °C"));
    addCell(m_rpmAdapt, {170, 170}, QStringLiteral("ObrTerm, AdaptObr1, ObrSondy,\nObrPrzedRed, ObrMinMax"),
            rpmRange);
    QBoxLayout *row = m_row;
    m_row = new QVBoxLayout;
    row->addLayout(m_row);
    addCell(m_progressBar, {300, 54}, QStringLiteral("miernik, LambdaBarObr2"), QStringLiteral("0 – 100 %"));
    addCell(m_lambdaBar, {300, 54}, QStringLiteral("lambdabar, LambdabarRR, LambdaBarObr1"),
            QStringLiteral("0 – 60, limits 10 and 40, extremes marked"));
    m_row = row;
    addCell(m_calibrationLed, {32, 32}, QStringLiteral("LED1"), QStringLiteral("8 Hz, flashing"));
    addCell(m_stepLed, {90, 26}, QStringLiteral("AbDBLED4, LedPrzedRed,\nLedRR, LedMin, LedMax"),
            QStringLiteral("1 Hz, flashing"));

    connect(&m_timer, &QTimer::timeout, this, &Gallery::tick);
    m_clock.start();
    m_timer.start(50);
    tick();
}

QSize Gallery::scaled(QSize designBox) const
{
    return QSize(int(std::lround(designBox.width() * m_scale)), int(std::lround(designBox.height() * m_scale)));
}

void Gallery::addSection(const QString &title)
{
    auto *label = new QLabel(title);
    QFont f = label->font();
    f.setPointSizeF(captionPoints * 1.25 * m_scale);
    f.setBold(true);
    label->setFont(f);
    m_page->addWidget(label);
    m_row = new QHBoxLayout;
    m_row->setSpacing(int(std::lround(22 * m_scale)));
    m_row->setAlignment(Qt::AlignLeft);
    m_page->addLayout(m_row);
}

void Gallery::addCell(QWidget *instrument, QSize designBox, const QString &names, const QString &ranges)
{
    instrument->setFixedSize(scaled(designBox));
    QFont f = instrument->font();
    f.setPointSizeF(12 * m_scale);
    instrument->setFont(f);

    auto *cell = new QVBoxLayout;
    cell->setSpacing(int(std::lround(2 * m_scale)));
    cell->addStretch();
    cell->addWidget(instrument, 0, Qt::AlignHCenter);
    for (const QString &text : {names, ranges}) {
        auto *label = new QLabel(text);
        QFont lf = label->font();
        lf.setPointSizeF(captionPoints * m_scale);
        lf.setBold(text == names);
        label->setFont(lf);
        label->setAlignment(Qt::AlignHCenter);
        cell->addWidget(label);
    }
    m_row->addLayout(cell);
}

void Gallery::tick()
{
    const double t = m_clock.elapsed() / 1000.0;
    const int rpm = int(800 + 2700 * (1 - std::cos(t * 0.6)));
    const int tps = int(110 + 90 * std::sin(t * 0.9));
    const int stepper = int(128 + 80 * std::sin(t * 0.45));
    // The probe swings between lean and rich about once a second.
    const bool rich = std::fmod(t, 1.1) < 0.55;
    const int lambda = rich ? 68 + int(6 * std::sin(t * 7)) : 12 + int(4 * std::sin(t * 5));

    for (TAb270Meter *meter : {m_rpmVisual, m_rpmPage, m_rpmAdapt})
        meter->setDigit(rpm);
    m_tps->setDigit(tps);
    m_reducerTemp->setDigit(int(96 + 59 * (0.6 + 0.25 * std::sin(t * 0.2))));
    m_adaptTemp->setDigit(int(111 + 60 * (0.55 + 0.3 * std::sin(t * 0.25))));
    m_stepper->setDigit(stepper);
    m_lambdaLeds->setPosition(lambda);
    m_lambdaLedsParams->setPosition(lambda);
    const int level = int(45 + 35 * std::sin(t * 0.3));
    m_gasLevel->setProgress(level);
    m_gasLevel->setForeColor(level < 15 ? QColor(0xff, 0x00, 0x00) : QColor(0x00, 0x80, 0x00));
    m_progressBar->setDigit(int(std::fmod(t * 12, 100)));
    m_lambdaBar->setDigit(int(lambda * 60 / 90));

    m_scope->setPosition(TScope::ChannelA, int(lambda * 1.2 * 255 / 90 / 3.27));
    m_scope->setPosition(TScope::ChannelB, int(tps * 0.4));
    m_scope->setPosition(TScope::ChannelC, int(rpm * 0.0125));
    m_scope->setPosition(TScope::ChannelD, int(stepper * 100 / 255));
}
