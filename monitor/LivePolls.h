#pragma once

#include "DriveRecorder.h"
#include "LiveView.h"
#include "Telemetry.h"
#include "TextKeys.h"

#include <functional>

namespace qx {

class ControllerProtocol;
class LiveAverage;
class ParameterSet;
class ParametersPage;
class RpmPage;
class VisualisationPage;
struct LiveSample;
struct LiveStripView;

// The live-data polls of the Visualisation page, the Parameters page's live
// strip and the RPM page, and the probe-variant set-up of the lambda
// displays. The pages only show what a poll gives them.
class LivePolls
{
public:
    using TextSource = std::function<QString(TextKey key)>;

    LivePolls(ControllerProtocol &protocol, LiveAverage &average, const ParameterSet &parameters,
              TextSource texts, VisualisationPage &visualisation, ParametersPage &parametersPage);

    // One poll of the Visualisation page; nothing changes unless the request went through.
    void TimerWizTimer();
    // One poll of the Parameters page's live strip; a failed request shows the last frame again.
    void TimerParamOdczTimer();
    // One poll of the RPM page, which shows the last frame again as the strip
    // does; the entry of its ignition list converts the speed from this poll on.
    void TimerObrTimer(RpmPage &page);
    // The lambda bar, its rich/lean labels and the chart's axis by the probe variant.
    void applyProbeVariantToVisualisation(double layoutScale);
    // The same on the Parameters page's bar, and the chart's axis.
    void applyProbeVariantToParameters();

    // The drive recording of the Visualisation page's polls: started and
    // stopped by the fitter, stopped on leaving the page; a write error
    // stops it and is told through onRecordingFailed, never the polling.
    bool startRecording(QString *error);
    void stopRecording();
    DriveRecorder &recorder() { return recorder_; }
    std::function<void(const QString &reason)> onRecordingFailed;

    // True while the engine runs on petrol, as the last poll saw it.
    bool onPetrol() const { return onPetrol_; }

private:
    // What a sample shows on each page; the lambda bar's top decides its position.
    LiveView visualisationView(const LiveSample &sample, int lambdaBarTop);
    LiveStripView stripView(const LiveSample &sample, int lambdaBarTop);
    // Adds the poll to the recording, if one runs; no view: no usable reply.
    void record(const LiveSample &sample, const LiveView *view);

    ControllerProtocol &protocol_;
    LiveAverage &average_;
    const ParameterSet &parameters_;
    TextSource texts_;
    VisualisationPage &visualisation_;
    ParametersPage &parametersPage_;
    telemetry::LambdaPhases phases_;
    bool onPetrol_ = true;
    DriveRecorder recorder_;
};

} // namespace qx
