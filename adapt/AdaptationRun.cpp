#include "AdaptationRun.h"

#include "AdaptationPage.h"
#include "AdaptationState.h"
#include "AdaptationWrites.h"
#include "ChannelWriteTarget.h"
#include "ControllerProtocol.h"
#include "LiveAverage.h"
#include "Pause.h"
#include "VehicleChoices.h"

namespace qx {

namespace {

constexpr int TemperatureStepNumber = 1;
constexpr int TpsStepNumber = 2;
constexpr int ProbeStepNumber = 3;
constexpr int VehicleStepNumber = 4;
constexpr int ChangeoverStepNumber = 6;
constexpr int ReducerStepNumber = 7;
constexpr int StepperStepNumber = 8;
// The changed-over car is shown this long before Next is offered.
constexpr int ChangeoverShownMs = 2000;

} // namespace

AdaptationRun::AdaptationRun(AdaptationPage &page, ControllerProtocol &protocol, LiveAverage &average,
                             AdaptationState &state, AdaptationHost &host, AdaptationTimers timers)
    : page_(page), protocol_(protocol), average_(average), state_(state), host_(host), timers_(timers),
      temperature_(average), tps_(state, average), probe_(state, average), changeover_(state, average),
      reducer_(state), stepper_(state, average)
{
    const auto tick = [this](PollTimer &timer, void (AdaptationRun::*step)()) {
        QObject::connect(&timer, &PollTimer::timeout, &timer, [this, step] { (this->*step)(); });
    };
    tick(timers_.TimerAdaptTerm, &AdaptationRun::TimerAdaptTermTimer);
    tick(timers_.TimerUstTpsProg, &AdaptationRun::TimerUstTpsProgTimer);
    tick(timers_.TimerKalibSonda, &AdaptationRun::TimerKalibSondaTimer);
    tick(timers_.TimerPrzedRed, &AdaptationRun::TimerPrzedRedTimer);
    tick(timers_.TimerRR, &AdaptationRun::TimerRRTimer);
    tick(timers_.TimerMinMax1, &AdaptationRun::TimerMinMaxTimer);
    tick(timers_.TimerMinMax2, &AdaptationRun::TimerMinMaxTimer);
}

PollTimer *AdaptationRun::timerOf(int step) const
{
    switch (step) {
    case TemperatureStepNumber: return &timers_.TimerAdaptTerm;
    case TpsStepNumber: return &timers_.TimerUstTpsProg;
    case ProbeStepNumber: return &timers_.TimerKalibSonda;
    case ChangeoverStepNumber: return &timers_.TimerPrzedRed;
    case ReducerStepNumber: return &timers_.TimerRR;
    case StepperStepNumber: return &timers_.TimerMinMax1;
    default: return nullptr;
    }
}

void AdaptationRun::startTemperatureStep(bool tempSensorSupported)
{
    page_.showTemperature(temperature_.start(tempSensorSupported));
}

int AdaptationRun::rpmConstant() const
{
    return protocol_.state().RpmConstant;
}

WriteContext AdaptationRun::writeContext() const
{
    ProtocolState &state = protocol_.state();
    return {state.RpmConstant, state.ControllerVersion, &state.ControllerFlags};
}

void AdaptationRun::writeAdaptationSet()
{
    // The set counts its speeds with the ignition type's constant and sends
    // the flag byte whole.
    if (!host_.clearToWrite({Sendable::IgnitionType, Sendable::Flags}))
        return;
    ChannelWriteTarget target(protocol_);
    qx::writeAdaptationSet(state_, page_.vehicleChoices(), writeContext(), target);
}

void AdaptationRun::startStep(int step)
{
    switch (step) {
    case TpsStepNumber: page_.showTps(tps_.start(protocol_.RequestLiveData())); break;
    case ProbeStepNumber: page_.showProbe(probe_.start()); break;
    case ChangeoverStepNumber:
        page_.setNextEnabled(step, false);
        page_.hideChangeoverLabel();
        changeover_.start();
        writeAdaptationSet();
        page_.showChangeover(changeover_.view());
        break;
    case ReducerStepNumber: page_.showReducer(reducer_.start()); break;
    case StepperStepNumber:
        stepper_.start();
        writeAdaptationSet();
        page_.showStepper(stepper_.view(), true);
        break;
    default: break;
    }
}

void AdaptationRun::moveInto(int step)
{
    page_.setStepTabVisible(step - 1, false);
    page_.showStep(step);
    // The vehicle pages poll nothing; the port stays as it is.
    if (PollTimer *timer = timerOf(step)) {
        page_.setStepShown(step, false);
        protocol_.ClosePort();
        protocol_.OpenPort();
        startStep(step);
        timer->start();
        page_.setStepShown(step, true);
    }
    page_.showStepHeading();
}

void AdaptationRun::next(int step)
{
    if (step == StepperStepNumber) {
        MinMaxButtonClick();
        return;
    }
    host_.StopAllTimers();
    if (step == TemperatureStepNumber)
        host_.sendIgnitionChoice();
    if (step == ChangeoverStepNumber)
        page_.hideChangeoverLabel();
    moveInto(step + 1);
}

void AdaptationRun::back(int step)
{
    if (step == TpsStepNumber) {
        host_.CofnijAD2Click();
        return;
    }
    if (step == ChangeoverStepNumber)
        page_.hideChangeoverLabel();
    host_.StopAllTimers();
    next(step - 2);
}

void AdaptationRun::MinMaxButtonClick()
{
    // The sensor switch goes out in the whole flag byte; without the car's
    // byte the adaptation stays on its last step.
    if (!host_.clearToWrite({Sendable::Flags}))
        return;
    state_.TpsThresholdToWrite = state_.TpsThreshold;
    {
        ChannelWriteTarget target(protocol_);
        writeFinalAdaptation(state_, page_.vehicleChoices(), host_.tempSensorOn(), writeContext(), target);
    }
    host_.finishAdaptation();
}

void AdaptationRun::PageControl2Change()
{
    host_.StopAllTimers();
    average_.reset();
    protocol_.ClosePort();
    const int step = page_.currentStep();
    if (step == TemperatureStepNumber) {
        page_.setStepShown(step, false);
        host_.startTemperatureStep();
        page_.showStep(step);
        page_.setStepShown(step, true);
        page_.showStepHeading();
        page_.focusIgnitionList();
        return;
    }
    PollTimer *timer = timerOf(step);
    if (!timer) {
        page_.showStepHeading();
        return;
    }
    page_.setStepShown(step, false);
    protocol_.OpenPort();
    startStep(step);
    timer->start();
    page_.setStepShown(step, true);
    // The heading names the step now shown.
    page_.showStepHeading();
}

bool AdaptationRun::enter()
{
    const int step = page_.currentStep();
    // Step 1 moves on even while its button waits for a warm engine; the
    // vehicle page's button is always free.
    const bool free = step == TemperatureStepNumber || step == VehicleStepNumber ? page_.nextVisible(step)
                                                                                 : page_.nextEnabled(step);
    if (!free)
        return false;
    next(step);
    return true;
}

bool AdaptationRun::backspace()
{
    const int step = page_.currentStep();
    if (step == TemperatureStepNumber)
        return false;
    back(step);
    return true;
}

void AdaptationRun::TimerAdaptTermTimer()
{
    const LiveSample temperature = protocol_.RequestLiveData();
    protocol_.useIgnitionEntry(page_.ignitionIndex());
    const LiveSample speed = protocol_.RequestLiveData();
    page_.showTemperature(temperature_.tick(temperature, speed, rpmConstant()));
}

void AdaptationRun::TimerUstTpsProgTimer()
{
    const TpsStepView &view = tps_.tick(protocol_.RequestLiveData(), rpmConstant());
    page_.showTps(view);
    if (view.finished)
        timers_.TimerUstTpsProg.stop();
}

void AdaptationRun::TimerKalibSondaTimer()
{
    page_.showProbe(probe_.tick(protocol_.RequestLiveData(), rpmConstant()));
}

void AdaptationRun::TimerPrzedRedTimer()
{
    const ChangeoverView &view = changeover_.tick(protocol_.RequestLiveData(), rpmConstant());
    page_.showChangeover(view);
    if (!view.changedOver)
        return;
    timers_.TimerPrzedRed.stop();
    // The fitter sees the car on gas for a moment, with nothing else
    // happening, before Next is offered.
    page_.window()->repaint();
    pauseMs(ChangeoverShownMs);
    page_.setNextEnabled(ChangeoverStepNumber, true);
}

void AdaptationRun::TimerRRTimer()
{
    page_.showReducer(reducer_.tick(protocol_.RequestLiveData()));
}

void AdaptationRun::TimerMinMaxTimer()
{
    const StepperPhase before = stepper_.view().phase;
    const StepperView &view = stepper_.tick(protocol_.RequestLiveData(), rpmConstant());
    page_.showStepper(view);
    if (view.phase == before)
        return;
    if (before == StepperPhase::Idle)
        timers_.TimerMinMax1.stop();
    if (view.phase == StepperPhase::High)
        timers_.TimerMinMax2.start();
    else
        timers_.TimerMinMax2.stop();
}

} // namespace qx
