#pragma once

#include "StepperCalibration.h"
#include "VehicleBoxes.h"

#include <QWidget>

#include <array>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TAb270Meter;
class TAbHBar;
class TAbLED;
class TAbThermometer;

namespace qx {

class AdaptationPicture;
class PageControl;
struct ChangeoverView;
struct ProbeStepView;
struct ReducerView;
struct TemperatureView;
struct TpsStepView;
struct VehicleChoices;

// The eight steps of the auto-adaptation, in the order the fitter meets them.
constexpr int AdaptationSteps = 8;

// The auto-adaptation page: the heading over the inner page control whose
// sheets are the steps, each with its Next button and, from the second on,
// its Back button. It shows what the steps compute and tells which button
// the fitter pressed; the sequences between the steps live in AdaptationRun.
// The sheets are built in AdaptationPageForm.cpp.
class AdaptationPage final : public QWidget
{
    Q_OBJECT

public:
    explicit AdaptationPage(QWidget *parent = nullptr);

    // Steps are numbered 1 … 8.
    int currentStep() const;
    // Makes a step the active sheet and its tab visible.
    void showStep(int step);
    void setStepTabVisible(int step, bool visible);
    void HideProcedureTabs();
    // The heading shows the caption of the active step.
    void showStepHeading();
    // A step's sheet hidden while it is prepared, so it does not repaint bit by bit.
    void setStepShown(int step, bool shown);

    bool nextEnabled(int step) const;
    bool nextVisible(int step) const;
    void setNextEnabled(int step, bool enabled);

    // Step 1: the ignition list, the temperature-sensor box and the readings.
    int ignitionIndex() const;
    void setIgnitionIndex(int index);
    void focusIgnitionList();
    void showTemperatureSensor(bool supported);
    void showTemperature(const TemperatureView &view);
    // Step 2.
    void showTps(const TpsStepView &view);
    // Step 3.
    void showProbe(const ProbeStepView &view);
    // Steps 4 and 5: what the fitter said about the car, as the boxes show it.
    VehicleChoices vehicleChoices() const;
    // Step 6; the label saying the car changed over is hidden by Next and Back.
    void showChangeover(const ChangeoverView &view);
    void hideChangeoverLabel();
    // Step 7.
    void showReducer(const ReducerView &view);
    // Step 8; starting restarts the bar's record of extremes.
    void showStepper(const StepperView &view, bool starting = false);

signals:
    void nextClicked(int step);
    void backClicked(int step);
    // The fitter chose a visible step's tab.
    void stepChosen();
    void temperatureSensorClicked(bool on);
    // The fitter chose an entry of step 1's ignition list.
    void ignitionChosen(int index);

private:
    void buildStepButtons(int step, QWidget *sheet);
    void buildTemperatureStep(QWidget *sheet);
    void buildTpsStep(QWidget *sheet);
    void buildProbeStep(QWidget *sheet);
    void buildVehicleStep(QWidget *sheet);
    void buildGlassStep(QWidget *sheet);
    void buildChangeoverStep(QWidget *sheet);
    void buildReducerStep(QWidget *sheet);
    void buildStepperStep(QWidget *sheet);
    void buildBackgrounds();
    // A tick box of the vehicle pages with its caption label beside it.
    QCheckBox *vehicleBox(QWidget *sheet, const char *name, const QString &caption, QPoint at, VehicleBox box);
    void clickVehicleBox(VehicleBox box, bool ticked);
    void showVehicleChoices(const VehicleChoices &choices);

    QLabel *Label11 = nullptr;
    PageControl *PageControl2 = nullptr;
    std::array<QWidget *, AdaptationSteps> sheets_{};
    std::array<QPushButton *, AdaptationSteps> nextButtons_{};

    // Step 1.
    TAbThermometer *AdaptTherm = nullptr;
    TAb270Meter *ObrTerm = nullptr;
    QLabel *PanelTerm = nullptr;
    QComboBox *ComboTerm = nullptr;
    QLabel *WlCzujtTempAd = nullptr;
    QCheckBox *WlCzujtTempCheckAd = nullptr;
    // Step 2.
    TAb270Meter *AdaptObr1 = nullptr;
    QLabel *Adapt2PanelObr = nullptr;
    TAbLED *AbDBLED4 = nullptr;
    QLabel *TPSdolny = nullptr;
    QLabel *TPSgorny = nullptr;
    QLabel *TPSprog = nullptr;
    QLabel *Label56 = nullptr;
    // Step 3.
    TAb270Meter *ObrSondy = nullptr;
    QLabel *Adapt4PanelObr = nullptr;
    TAbHBar *miernik = nullptr;
    TAbLED *LED1 = nullptr;
    TAbHBar *lambdabar = nullptr;
    QLabel *Ad4LabelV = nullptr;
    QLabel *PUboga = nullptr;
    QLabel *PBogata = nullptr;
    QLabel *PProg = nullptr;
    QLabel *Label87 = nullptr;
    // Steps 4 and 5: the boxes by VehicleBox, and the capacity buttons.
    std::array<QCheckBox *, 6> vehicleBoxes_{};
    std::array<QRadioButton *, 5> capacityButtons_{};
    // Step 6.
    TAb270Meter *ObrPrzedRed = nullptr;
    QLabel *PanellPrzedRed = nullptr;
    TAbLED *LedPrzedRed = nullptr;
    QLabel *NastapiloPrzejscieBGLABEL = nullptr;
    // Step 7.
    TAbHBar *LambdabarRR = nullptr;
    TAbLED *LedRR = nullptr;
    // Step 8.
    QLabel *Label70 = nullptr;
    QLabel *Label76 = nullptr;
    TAb270Meter *ObrMinMax = nullptr;
    QLabel *PanelObrMinMax = nullptr;
    TAbHBar *LambdaBarObr2 = nullptr;
    TAbLED *LedMin = nullptr;
    TAbLED *LedMax = nullptr;
    TAbHBar *LambdaBarObr1 = nullptr;
    QLabel *PanelMin = nullptr;
    QLabel *PanelMax = nullptr;
    QLabel *PanelStart = nullptr;
    QLabel *KomunikatKoncowy = nullptr;
    StepperPhase shownPhase_ = StepperPhase::Idle;
};

} // namespace qx
