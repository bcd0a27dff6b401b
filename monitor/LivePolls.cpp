#include "LivePolls.h"

#include "ControllerProtocol.h"
#include "EngineSpeed.h"
#include "PageStyle.h"
#include "ParameterSet.h"
#include "ParametersPage.h"
#include "RpmPage.h"
#include "VisualisationPage.h"
#include "tledmeter.h"

namespace qx {

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

LiveView LivePolls::visualisationView(const LiveSample &sample, int lambdaBarTop)
{
    const ProtocolState &state = protocol_.state();
    LiveView view;

    view.lambdaTrace = telemetry::lambdaTrace(telemetry::normalisedLambda(sample.probe, state.ProbeVariant));
    const telemetry::LambdaPhases::Shown phase = phases_.poll(view.lambdaTrace);
    view.richPhaseMs = phase.high;
    view.leanPhaseMs = phase.low;
    view.lambdaVolts = telemetry::lambdaVoltsText(sample.probe);
    view.lambdaBar = telemetry::lambdaBarPosition(sample.probe, lambdaBarTop);

    view.tpsRaw = sample.tps;
    view.tpsVolts = telemetry::tpsVoltsText(sample.tps);
    view.tpsTrace = telemetry::tpsTrace(sample.tps);

    if (state.TempSensorSupported) {
        view.temperatureRaw = sample.temperature;
        view.temperatureText = QString::number(telemetry::temperatureCelsius(sample.temperature));
    }
    const telemetry::GasLevel gas = telemetry::gasLevel(sample.level, parameters_.text(P::ReserveSensorType));
    view.gasPercent = gas.percent;
    view.gasReserve = gas.reserve;

    if (const auto rpm = liveRpm(sample, average_, state.RpmConstant)) {
        view.rpm = *rpm;
        view.rpmTrace = telemetry::rpmTrace(*rpm);
        view.rpmText = QString::number(rpmShown(*rpm));
    }

    view.stepperPosition = 255 - sample.stepper;
    view.stepperTrace = telemetry::stepperTrace(view.stepperPosition);
    view.onPetrol = sample.onPetrol();
    view.fuelText = texts_(view.onPetrol ? TextKey::Petrol : TextKey::Gas);
    return view;
}

LiveStripView LivePolls::stripView(const LiveSample &sample, int lambdaBarTop)
{
    const ProtocolState &state = protocol_.state();
    LiveStripView view;
    view.lambdaVolts = telemetry::lambdaVoltsText(sample.probe);
    view.lambdaBar = telemetry::lambdaBarPosition(sample.probe, lambdaBarTop);
    view.tpsVolts = telemetry::tpsVoltsText(sample.tps);
    if (state.TempSensorSupported)
        view.temperatureText = QString::number(telemetry::temperatureCelsius(sample.temperature));
    if (const auto rpm = liveRpm(sample, average_, state.RpmConstant))
        view.rpmText = QString::number(rpmShown(*rpm));
    view.stepperText = QString::number(255 - sample.stepper);
    view.fuelText = texts_(sample.onPetrol() ? TextKey::Petrol : TextKey::Gas);
    view.fuelColour = pagestyle::fuelColour(sample.onPetrol());
    return view;
}

void LivePolls::TimerWizTimer()
{
    const LiveSample sample = protocol_.RequestLiveData();
    if (!sample.accepted) {
        record(sample, nullptr);
        return;
    }
    const LiveView view = visualisationView(sample, visualisation_.lambdaBarTop());
    onPetrol_ = view.onPetrol;
    visualisation_.showLive(view);
    record(sample, &view);
}

bool LivePolls::startRecording(QString *error)
{
    const ProtocolState &state = protocol_.state();
    const qxrec::RecordingHeader header{state.ControllerVersion, state.RpmConstant, state.ProbeVariant,
                                        parameters_.text(P::ReserveSensorType), state.TempSensorSupported};
    const bool started = recorder_.start(header, error);
    visualisation_.showRecording(started ? std::optional<qint64>(0) : std::nullopt);
    return started;
}

void LivePolls::stopRecording()
{
    recorder_.stop();
    visualisation_.showRecording(std::nullopt);
}

void LivePolls::record(const LiveSample &sample, const LiveView *view)
{
    if (!recorder_.isRecording())
        return;
    QByteArray frame;
    qxrec::ShownValues shown;
    if (view) {
        frame = sample.frame;
        shown = {view->rpmText, view->lambdaVolts, view->tpsVolts, QString::number(view->stepperPosition),
                 view->temperatureText, QString::number(view->gasPercent), view->fuelText};
    }
    if (recorder_.record(frame, shown)) {
        visualisation_.showRecording(recorder_.elapsedMs());
        return;
    }
    visualisation_.showRecording(std::nullopt);
    if (onRecordingFailed)
        onRecordingFailed(recorder_.errorString());
}

void LivePolls::TimerParamOdczTimer()
{
    const LiveSample sample = protocol_.RequestLiveData();
    const LiveStripView view = stripView(sample, parametersPage_.lambdaBar().max());
    onPetrol_ = sample.onPetrol();
    // The Visualisation page's thermometer follows the strip's readings too.
    if (protocol_.state().TempSensorSupported)
        visualisation_.showThermometer(sample.temperature);
    parametersPage_.showLiveStrip(view);
}

void LivePolls::TimerObrTimer(RpmPage &page)
{
    protocol_.useIgnitionEntry(page.ignitionIndex());
    const LiveSample sample = protocol_.RequestLiveData();
    if (const auto rpm = liveRpm(sample, average_, protocol_.state().RpmConstant))
        page.showSpeed(*rpm, rpmShown(*rpm));
}

void LivePolls::applyProbeVariantToVisualisation(double layoutScale)
{
    visualisation_.showProbe(telemetry::probeDisplay(protocol_.state().ProbeVariant), layoutScale);
}

void LivePolls::applyProbeVariantToParameters()
{
    const telemetry::ProbeDisplay display = telemetry::probeDisplay(protocol_.state().ProbeVariant);
    showProbeOnBar(parametersPage_.lambdaBar(), display);
    visualisation_.showLambdaAxis(display.axisLabels);
}

} // namespace qx
