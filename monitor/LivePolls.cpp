#include "LivePolls.h"

#include "ControllerProtocol.h"
#include "EngineSpeed.h"
#include "PageStyle.h"
#include "ParameterSet.h"
#include "ParametersPage.h"
#include "SerialChannel.h"
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

LiveView LivePolls::visualisationView(const ReplyBuffer &frame, int lambdaBarTop)
{
    const ProtocolState &state = protocol_.state();
    const auto byte = [&](int i) { return frame.ReplyByte(i); };
    LiveView view;

    view.lambdaTrace = telemetry::lambdaTrace(telemetry::normalisedLambda(byte(0), state.ProbeVariant));
    const telemetry::LambdaPhases::Shown phase = phases_.poll(view.lambdaTrace);
    view.richPhaseMs = phase.high;
    view.leanPhaseMs = phase.low;
    view.lambdaVolts = telemetry::lambdaVoltsText(byte(0));
    view.lambdaBar = telemetry::lambdaBarPosition(byte(0), lambdaBarTop);

    view.tpsRaw = byte(1);
    view.tpsVolts = telemetry::tpsVoltsText(byte(1));
    view.tpsTrace = telemetry::tpsTrace(byte(1));

    int level = byte(2);
    if (state.TempSensorSupported) {
        view.temperatureRaw = byte(2);
        view.temperatureText = QString::number(telemetry::temperatureCelsius(byte(2)));
        level = byte(3);
    }
    const telemetry::GasLevel gas = telemetry::gasLevel(level, parameters_.text(P::ReserveSensorType));
    view.gasPercent = gas.percent;
    view.gasReserve = gas.reserve;

    if (const auto rpm = liveRpm(frame, average_, state.RpmConstant)) {
        view.rpm = *rpm;
        view.rpmTrace = telemetry::rpmTrace(*rpm);
        view.rpmText = QString::number(rpmShown(*rpm));
    }

    view.stepperPosition = 255 - byte(6);
    view.stepperTrace = telemetry::stepperTrace(view.stepperPosition);
    view.onPetrol = view.stepperPosition == 0;
    view.fuelText = texts_(view.onPetrol ? TextKey::Petrol : TextKey::Gas);
    return view;
}

LiveStripView LivePolls::stripView(const ReplyBuffer &frame, int lambdaBarTop)
{
    const ProtocolState &state = protocol_.state();
    const auto byte = [&](int i) { return frame.ReplyByte(i); };
    LiveStripView view;
    view.lambdaVolts = telemetry::lambdaVoltsText(byte(0));
    view.lambdaBar = telemetry::lambdaBarPosition(byte(0), lambdaBarTop);
    view.tpsVolts = telemetry::tpsVoltsText(byte(1));
    if (state.TempSensorSupported)
        view.temperatureText = QString::number(telemetry::temperatureCelsius(byte(2)));
    if (const auto rpm = liveRpm(frame, average_, state.RpmConstant))
        view.rpmText = QString::number(rpmShown(*rpm));
    view.stepperText = QString::number(255 - byte(6));
    const bool onPetrol = byte(6) == 255;
    view.fuelText = texts_(onPetrol ? TextKey::Petrol : TextKey::Gas);
    view.fuelColour = onPetrol ? pagestyle::petrolRed : pagestyle::gasGreen;
    return view;
}

void LivePolls::TimerWizTimer()
{
    if (!protocol_.RequestLiveData()) {
        record(nullptr);
        return;
    }
    const LiveView view = visualisationView(protocol_.channel().reply(), visualisation_.lambdaBarTop());
    onPetrol_ = view.onPetrol;
    visualisation_.showLive(view);
    record(&view);
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

void LivePolls::record(const LiveView *view)
{
    if (!recorder_.isRecording())
        return;
    QByteArray frame;
    qxrec::ShownValues shown;
    if (view) {
        const ReplyBuffer &reply = protocol_.channel().reply();
        for (int i = 0; i < reply.decodedCount(); ++i)
            frame.append(char(reply.ReplyByte(i)));
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
    protocol_.RequestLiveData();
    const ReplyBuffer &frame = protocol_.channel().reply();
    const LiveStripView view = stripView(frame, parametersPage_.lambdaBar().max());
    onPetrol_ = frame.ReplyByte(6) == 255;
    // The Visualisation page's thermometer follows the strip's readings too.
    if (protocol_.state().TempSensorSupported)
        visualisation_.showThermometer(frame.ReplyByte(2));
    parametersPage_.showLiveStrip(view);
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
