#include "AdaptationPage.h"

#include "ChangeoverStep.h"
#include "PageControl.h"
#include "ProbeCalibrationStep.h"
#include "ReducerStep.h"
#include "TemperatureStep.h"
#include "TpsThresholdStep.h"
#include "VehicleChoices.h"
#include "tab270meter.h"
#include "tabhbar.h"
#include "tabled.h"
#include "tabthermometer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {

void setSpeed(TAb270Meter *meter, QLabel *panel, const std::optional<SpeedReading> &speed)
{
    if (!speed)
        return;
    meter->setDigit(speed->rpm);
    panel->setText(QString::number(speed->shown));
}

// A probe bar's range, 0 … top read and shown alike; its face is drawn anew
// only when the range changes.
void setBarTop(TAbHBar &bar, int top)
{
    SignalSettings signal = bar.signalSettings();
    if (signal.digitalTo == top)
        return;
    signal.digitalTo = top;
    signal.valueTo = float(top);
    bar.setSignalSettings(signal);
}

} // namespace

int AdaptationPage::currentStep() const
{
    return PageControl2->currentIndex() + 1;
}

void AdaptationPage::showStep(int step)
{
    PageControl2->setTabVisible(step - 1, true);
    PageControl2->setCurrentIndex(step - 1);
}

void AdaptationPage::setStepTabVisible(int step, bool visible)
{
    PageControl2->setTabVisible(step - 1, visible);
}

void AdaptationPage::HideProcedureTabs()
{
    for (int step = 1; step <= AdaptationSteps; ++step)
        PageControl2->setTabVisible(step - 1, false);
}

void AdaptationPage::showStepHeading()
{
    Label11->setText(PageControl2->tabText(PageControl2->currentIndex()));
}

void AdaptationPage::setStepShown(int step, bool shown)
{
    sheets_[step - 1]->setVisible(shown);
}

bool AdaptationPage::nextEnabled(int step) const
{
    return nextButtons_[step - 1]->isEnabled();
}

bool AdaptationPage::nextVisible(int step) const
{
    return !nextButtons_[step - 1]->isHidden();
}

void AdaptationPage::setNextEnabled(int step, bool enabled)
{
    nextButtons_[step - 1]->setEnabled(enabled);
}

int AdaptationPage::ignitionIndex() const
{
    return ComboTerm->currentIndex();
}

void AdaptationPage::setIgnitionIndex(int index)
{
    ComboTerm->setCurrentIndex(index);
}

void AdaptationPage::focusIgnitionList()
{
    ComboTerm->setFocus();
}

void AdaptationPage::showTemperatureSensor(bool supported)
{
    WlCzujtTempAd->setVisible(supported);
    WlCzujtTempCheckAd->setVisible(supported);
}

void AdaptationPage::showTemperature(const TemperatureView &view)
{
    if (view.thermometer)
        AdaptTherm->setDigit(*view.thermometer);
    setSpeed(ObrTerm, PanelTerm, view.speed);
    setNextEnabled(1, view.nextEnabled);
}

void AdaptationPage::showTps(const TpsStepView &view)
{
    setSpeed(AdaptObr1, Adapt2PanelObr, view.speed);
    TPSdolny->setText(view.idleVolts);
    TPSgorny->setText(view.fullVolts);
    TPSprog->setText(view.thresholdVolts);
    setNextEnabled(2, view.finished);
    Label56->setVisible(view.finished);
    AbDBLED4->setChecked(view.finished);
}

void AdaptationPage::showProbe(const ProbeStepView &view)
{
    setSpeed(ObrSondy, Adapt4PanelObr, view.speed);
    miernik->setDigit(view.progress);
    const ProbeScale scale = probeScale(view.wideScale);
    setBarTop(*lambdabar, scale.top);
    Ad4LabelV->setText(scale.endLabel);
    if (view.reading)
        lambdabar->setDigit(*view.reading);
    PUboga->setText(view.leanVolts);
    PBogata->setText(view.richVolts);
    PProg->setText(view.thresholdVolts);
    LED1->setChecked(view.calibrated);
    setNextEnabled(3, view.calibrated);
    Label87->setVisible(view.calibrated);
}

VehicleChoices AdaptationPage::vehicleChoices() const
{
    const auto ticked = [this](VehicleBox box) { return vehicleBoxes_[size_t(box)]->isChecked(); };
    VehicleChoices choices;
    choices.metalIntake = ticked(VehicleBox::Metal);
    choices.plasticIntake = ticked(VehicleBox::Plastic);
    choices.manualGearbox = ticked(VehicleBox::Manual);
    choices.automaticGearbox = ticked(VehicleBox::Automatic);
    choices.glass20k = ticked(VehicleBox::Glass20k);
    choices.glass90R = ticked(VehicleBox::Glass90R);
    for (size_t i = 0; i < capacityButtons_.size(); ++i) {
        if (capacityButtons_[i]->isChecked())
            choices.capacity = EngineCapacity(i);
    }
    return choices;
}

void AdaptationPage::showVehicleChoices(const VehicleChoices &choices)
{
    for (VehicleBox box : {VehicleBox::Metal, VehicleBox::Plastic, VehicleBox::Manual, VehicleBox::Automatic,
                           VehicleBox::Glass20k, VehicleBox::Glass90R})
        vehicleBoxes_[size_t(box)]->setChecked(isTicked(choices, box));
    capacityButtons_[size_t(choices.capacity)]->setChecked(true);
}

void AdaptationPage::clickVehicleBox(VehicleBox box, bool ticked)
{
    VehicleChoices choices = vehicleChoices();
    qx::clickVehicleBox(choices, box, ticked);
    showVehicleChoices(choices);
}

void AdaptationPage::showChangeover(const ChangeoverView &view)
{
    setSpeed(ObrPrzedRed, PanellPrzedRed, view.speed);
    LedPrzedRed->setChecked(view.changedOver);
    NastapiloPrzejscieBGLABEL->setVisible(view.changedOver);
}

void AdaptationPage::hideChangeoverLabel()
{
    NastapiloPrzejscieBGLABEL->hide();
}

void AdaptationPage::showReducer(const ReducerView &view)
{
    setBarTop(*LambdabarRR, view.barTop);
    LambdabarRR->setDigit(view.reading);
    LedRR->setChecked(view.rich);
    setNextEnabled(7, view.rich);
}

void AdaptationPage::showStepper(const StepperView &view, bool starting)
{
    setSpeed(ObrMinMax, PanelObrMinMax, view.speed);
    LambdaBarObr2->setDigit(view.progress);
    LambdaBarObr1->setDigit(view.stepperBar);
    // Each measuring phase records its extremes afresh, from the bar's value now.
    if (starting || (view.phase == StepperPhase::High && shownPhase_ != StepperPhase::High))
        LambdaBarObr1->restartMinMax();
    shownPhase_ = view.phase;
    PanelMin->setText(view.minText);
    PanelMax->setText(view.maxText);
    PanelStart->setText(view.startText);
    LedMin->setChecked(view.minFound);
    const bool finished = view.phase == StepperPhase::Finished;
    LedMax->setChecked(finished);
    setNextEnabled(8, finished);
    KomunikatKoncowy->setVisible(finished);
    Label70->setVisible(view.phase == StepperPhase::Idle);
    Label76->setVisible(view.phase == StepperPhase::High);
}

} // namespace qx
