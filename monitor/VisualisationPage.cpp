#include "VisualisationPage.h"

#include "Rounding.h"
#include "VisualisationPageForm.h"
#include "PageStyle.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <iterator>

#include "tab180meter.h"
#include "tab270meter.h"
#include "tabled.h"
#include "tabtank.h"
#include "tabthermometer.h"
#include "tgauge.h"
#include "tledmeter.h"

namespace qx {

namespace {

struct TimeBase
{
    const char *caption;
    int interval; // ms between samples; a division holds 100 of them
};

// By the spinner's position, 1 to 4.
constexpr TimeBase timeBases[] = {
    {"0,5 s / dz", 5},
    {"1,0 s / dz", 10},
    {"1,5 s / dz", 15},
    {"2,0 s / dz", 20},
};

} // namespace

VisualisationPage::VisualisationPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("WizualizacjaTab"));
    buildInstruments();
    buildTexts();
    buildChart();
    buildBackgrounds();

    // Traces and grid follow their controls from the start and on every
    // change, by the user or by code. The time base is first set by start-up.
    connect(CheckBox39, &QCheckBox::toggled, this, &VisualisationPage::CheckBox39Click);
    connect(CheckBox40, &QCheckBox::toggled, this, &VisualisationPage::CheckBox40Click);
    connect(CheckBox41, &QCheckBox::toggled, this, &VisualisationPage::CheckBox41Click);
    connect(CheckBox42, &QCheckBox::toggled, this, &VisualisationPage::CheckBox42Click);
    connect(CheckBox10, &QCheckBox::toggled, this, &VisualisationPage::CheckBox10Click);
    connect(SpeedButton4, &QToolButton::toggled, this, &VisualisationPage::SpeedButton4Click);
    connect(UpDown1, &QSpinBox::valueChanged, this, &VisualisationPage::UpDown1Click);
    for (int channel = 0; channel < TScope::channelCount; ++channel)
        showTrace(TScope::Channel(channel));
    CheckBox10Click();
}

void VisualisationPage::CheckBox39Click()
{
    showTrace(TScope::ChannelA);
}

void VisualisationPage::CheckBox40Click()
{
    showTrace(TScope::ChannelB);
}

void VisualisationPage::CheckBox41Click()
{
    showTrace(TScope::ChannelC);
}

void VisualisationPage::CheckBox42Click()
{
    showTrace(TScope::ChannelD);
}

void VisualisationPage::showTrace(TScope::Channel channel)
{
    const visualisation::TraceRow &trace = VisualisationPageTables::traceRows()[size_t(channel)];
    const bool shown = (this->*trace.selector)->isChecked();
    Scope1->setChannelEnabled(channel, shown);
    (this->*trace.scalePanel)->setVisible(shown);
}

void VisualisationPage::CheckBox10Click()
{
    Scope1->setGridColor(CheckBox10->isChecked() ? pagestyle::gridColour : pagestyle::traceBackground);
}

void VisualisationPage::SpeedButton4Click()
{
    Scope1->setActive(!SpeedButton4->isChecked());
}

void VisualisationPage::UpDown1Click()
{
    const TimeBase &base = timeBases[UpDown1->value() - 1];
    WykresLambdaX->setText(QString::fromLatin1(base.caption));
    setSampleInterval(base.interval);
}

void VisualisationPage::showTimeAxis()
{
    QLabel *axis[] = {Label48, Label49, Label50, Label51, Label52, Label53};
    const QStringList labels = telemetry::timeAxisLabels(Scope1->interval(), int(std::size(axis)));
    for (int i = 0; i < int(std::size(axis)); ++i)
        axis[i]->setText(labels[i]);
}

void VisualisationPage::placeRichLeanLabels(bool traded, double layoutScale)
{
    const int richTop = traded ? leanDesignTop_ : richDesignTop_;
    const int leanTop = traded ? richDesignTop_ : leanDesignTop_;
    Label30->move(Label30->x(), int(roundHalfEven(layoutScale * richTop)));
    Label71->move(Label71->x(), int(roundHalfEven(layoutScale * leanTop)));
}

namespace {

void setTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

void showProbeOnBar(TLEDMeter &bar, const telemetry::ProbeDisplay &display)
{
    bar.setMax(display.barTop);
    bar.setStartColor2(display.bandStart);
    bar.setStartColor3(display.bandEnd);
    if (display.lowColour)
        bar.setColorLed1(QColor(QRgb(*display.lowColour)));
    if (display.highColour)
        bar.setColorLed3(QColor(QRgb(*display.highColour)));
}

void VisualisationPage::showLive(const LiveView &view)
{
    Scope1->setPosition(TScope::ChannelA, view.lambdaTrace);
    if (view.richPhaseMs)
        setTextIfChanged(Label43, QString::number(*view.richPhaseMs));
    if (view.leanPhaseMs)
        setTextIfChanged(Label44, QString::number(*view.leanPhaseMs));
    Panel6->setText(view.lambdaVolts);
    LEDMeter1->setPosition(view.lambdaBar);

    Gauge4->setDigit(view.tpsRaw);
    Panel5->setText(view.tpsVolts);
    Scope1->setPosition(TScope::ChannelB, view.tpsTrace);

    if (view.temperatureRaw) {
        showThermometer(*view.temperatureRaw);
        paneltemp->setText(view.temperatureText);
    }
    Gauge3->setProgress(view.gasPercent);
    Gauge3->setForeColor(view.gasReserve ? pagestyle::petrolRed : pagestyle::gasGreen);

    if (view.rpm) {
        obrotomierz->setDigit(*view.rpm);
        Scope1->setPosition(TScope::ChannelC, view.rpmTrace);
        Panel1->setText(view.rpmText);
    }

    Gauge2->setDigit(view.stepperPosition);
    Panel4->setText(QString::number(view.stepperPosition));
    Scope1->setPosition(TScope::ChannelD, view.stepperTrace);

    AbLED1->setChecked(!view.onPetrol);
    AbLED1->setCaption(view.fuelText);
    pagestyle::setTextColour(*AbLED1, view.onPetrol ? pagestyle::petrolRed : Label47->palette().color(QPalette::WindowText));
}

void VisualisationPage::showThermometer(int raw)
{
    AbThermometer1->setDigit(raw);
}

void VisualisationPage::showProbe(const telemetry::ProbeDisplay &display, double layoutScale)
{
    showProbeOnBar(*LEDMeter1, display);
    if (display.tradedPlaces)
        placeRichLeanLabels(*display.tradedPlaces, layoutScale);
    showLambdaAxis(display.axisLabels);
}

void VisualisationPage::showLambdaAxis(const QStringList &labels)
{
    QLabel *axis[] = {WykresLambdaY1, WykresLambdaY2, WykresLambdaY3, WykresLambdaY4, WykresLambdaY5};
    for (int i = 0; i < 5; ++i)
        axis[i]->setText(labels.value(i));
}

int VisualisationPage::lambdaBarTop() const
{
    return LEDMeter1->max();
}

void VisualisationPage::showTemperatureReading(bool shown)
{
    paneltemp->setVisible(shown);
    AbThermometer1->setVisible(shown);
    Label42->setVisible(shown);
}

void VisualisationPage::showTransmissionError(const QString &text)
{
    TranserrorLabel->setText(text);
    DiagnozaButton->setVisible(!text.isEmpty());
}

void VisualisationPage::showRecording(std::optional<qint64> elapsedMs)
{
    NagrywanieButton->setChecked(elapsedMs.has_value());
    NagrywanieLabel->setVisible(elapsedMs.has_value());
    if (!elapsedMs)
        return;
    const qint64 seconds = *elapsedMs / 1000;
    const QString text = QStringLiteral("● REC\n%1:%2")
                             .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                             .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    // Set only when the second changes, so the page repaints once a second.
    if (NagrywanieLabel->text() != text)
        NagrywanieLabel->setText(text);
}

void VisualisationPage::focusRpmTrace()
{
    CheckBox41->setFocus();
}

void VisualisationPage::setSampleInterval(int interval)
{
    Scope1->setInterval(interval);
    showTimeAxis();
}

} // namespace qx
