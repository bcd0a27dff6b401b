#include "LivePolls.h"

#include "ControllerProtocol.h"
#include "EngineSpeed.h"
#include "PageStyle.h"
#include "ParameterSet.h"
#include "ParametersPage.h"
#include "SerialChannel.h"
#include "TextKeys.h"
#include "VisualisationPage.h"
#include "tab180meter.h"
#include "tab270meter.h"
#include "tabled.h"
#include "tabtank.h"
#include "tabthermometer.h"
#include "tgauge.h"
#include "tledmeter.h"

#include <QLabel>

namespace qx {

namespace {

const QColor PetrolRed(0xFF, 0x00, 0x00);
const QColor GasGreen(0x00, 0x80, 0x00);

void setTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

void applyProbeDisplay(TLEDMeter &bar, const telemetry::ProbeDisplay &display)
{
    bar.setMax(display.barTop);
    bar.setStartColor2(display.bandStart);
    bar.setStartColor3(display.bandEnd);
    if (display.lowColour)
        bar.setColorLed1(*display.lowColour);
    if (display.highColour)
        bar.setColorLed3(*display.highColour);
}

void applyAxisLabels(VisualisationPage &page, const QStringList &labels)
{
    QLabel *axis[] = {page.WykresLambdaY1, page.WykresLambdaY2, page.WykresLambdaY3, page.WykresLambdaY4,
                      page.WykresLambdaY5};
    for (int i = 0; i < 5; ++i)
        axis[i]->setText(labels.value(i));
}

} // namespace

LivePolls::LivePolls(ControllerProtocol &protocol, LiveAverage &average, const ParameterSet &parameters,
                     TextSource texts, VisualisationPage &visualisation, ParametersPage &parametersPage)
    : protocol_(protocol),
      average_(average),
      parameters_(parameters),
      texts_(std::move(texts)),
      visualisation_(visualisation),
      parametersPage_(parametersPage)
{
}

void LivePolls::TimerWizTimer()
{
    if (!protocol_.RequestLiveData())
        return;
    const ReplyBuffer &frame = protocol_.channel().reply();
    VisualisationPage &page = visualisation_;
    const auto byte = [&](int i) { return frame.ReplyByte(i); };

    const int lambda = telemetry::lambdaTrace(telemetry::normalisedLambda(byte(0), protocol_.state().ProbeVariant));
    page.Scope1->setPosition(TScope::ChannelA, lambda);
    const telemetry::LambdaPhases::Shown phase = phases_.poll(lambda);
    if (phase.high)
        setTextIfChanged(page.Label43, QString::number(*phase.high));
    if (phase.low)
        setTextIfChanged(page.Label44, QString::number(*phase.low));
    page.Panel6->setText(telemetry::lambdaVoltsText(byte(0)));
    page.LEDMeter1->setPosition(telemetry::lambdaBarPosition(byte(0), page.LEDMeter1->max()));

    page.Gauge4->setDigit(byte(1));
    page.Panel5->setText(telemetry::tpsVoltsText(byte(1)));
    page.Scope1->setPosition(TScope::ChannelB, telemetry::tpsTrace(byte(1)));

    int level = byte(2);
    if (protocol_.state().TempSensorSupported) {
        page.AbThermometer1->setDigit(byte(2));
        page.paneltemp->setText(QString::number(telemetry::temperatureCelsius(byte(2))));
        level = byte(3);
    }
    const telemetry::GasLevel gas = telemetry::gasLevel(level, parameters_.text(P::ReserveSensorType));
    page.Gauge3->setProgress(gas.percent);
    page.Gauge3->setForeColor(gas.reserve ? PetrolRed : GasGreen);

    if (const auto rpm = liveRpm(frame, average_, protocol_.state().RpmConstant)) {
        page.obrotomierz->setDigit(*rpm);
        page.Scope1->setPosition(TScope::ChannelC, telemetry::rpmTrace(*rpm));
        page.Panel1->setText(QString::number(rpmShown(*rpm)));
    }

    const int position = 255 - byte(6);
    page.Gauge2->setDigit(position);
    page.Panel4->setText(QString::number(position));
    page.Scope1->setPosition(TScope::ChannelD, telemetry::stepperTrace(position));

    onPetrol_ = position == 0;
    page.AbLED1->setChecked(!onPetrol_);
    page.AbLED1->setCaption(texts_(onPetrol_ ? TextKey::Petrol : TextKey::Gas));
    pagestyle::setTextColour(*page.AbLED1, onPetrol_ ? PetrolRed : page.Label47->palette().color(QPalette::WindowText));
}

void LivePolls::TimerParamOdczTimer()
{
    protocol_.RequestLiveData();
    const ReplyBuffer &frame = protocol_.channel().reply();
    ParametersPage &page = parametersPage_;
    const auto byte = [&](int i) { return frame.ReplyByte(i); };

    page.ZmiennaLambda->setText(telemetry::lambdaVoltsText(byte(0)));
    page.LEDMeter2->setPosition(telemetry::lambdaBarPosition(byte(0), page.LEDMeter2->max()));
    page.ZmiennaTPS->setText(telemetry::tpsVoltsText(byte(1)));
    if (protocol_.state().TempSensorSupported) {
        visualisation_.AbThermometer1->setDigit(byte(2));
        page.ZmiennaTemperatura->setText(QString::number(telemetry::temperatureCelsius(byte(2))));
    }
    if (const auto rpm = liveRpm(frame, average_, protocol_.state().RpmConstant))
        page.ZmiennaObroty->setText(QString::number(rpmShown(*rpm)));
    page.ZmiennaSilnikKrokowy->setText(QString::number(255 - byte(6)));

    onPetrol_ = byte(6) == 255;
    page.ZmiennaGazBenzyna->setText(texts_(onPetrol_ ? TextKey::Petrol : TextKey::Gas));
    pagestyle::setTextColour(*page.ZmiennaGazBenzyna, onPetrol_ ? PetrolRed : GasGreen);
}

void LivePolls::applyProbeVariantToVisualisation(double layoutScale)
{
    const telemetry::ProbeDisplay display = telemetry::probeDisplay(protocol_.state().ProbeVariant);
    applyProbeDisplay(*visualisation_.LEDMeter1, display);
    if (display.tradedPlaces)
        visualisation_.placeRichLeanLabels(*display.tradedPlaces, layoutScale);
    applyAxisLabels(visualisation_, display.axisLabels);
}

void LivePolls::applyProbeVariantToParameters()
{
    const telemetry::ProbeDisplay display = telemetry::probeDisplay(protocol_.state().ProbeVariant);
    applyProbeDisplay(*parametersPage_.LEDMeter2, display);
    applyAxisLabels(visualisation_, display.axisLabels);
}

} // namespace qx
