#pragma once

#include "LiveView.h"
#include "Telemetry.h"
#include "tscope.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QPushButton;
class QToolButton;
class TAb180Meter;
class TAb270Meter;
class TAbLED;
class TAbTank;
class TAbThermometer;
class TGauge;
class TLEDMeter;

namespace qx {

// The Visualisation page: the controller's live values on instruments and a
// four-trace chart of lambda, TPS, RPM and stepper. The page handles its own
// chart controls; the polling fills the instruments through the members.
class VisualisationPage final : public QWidget
{
    Q_OBJECT

public:
    explicit VisualisationPage(QWidget *parent = nullptr);

    // Trace selectors: show or hide trace A, B, C, D with its scale panel.
    void CheckBox39Click();
    void CheckBox40Click();
    void CheckBox41Click();
    void CheckBox42Click();
    // Grid switch: an unticked grid takes the trace background and vanishes.
    void CheckBox10Click();
    // Pause: the chart runs only while the button is up.
    void SpeedButton4Click();
    // Time base: caption of WykresLambdaX and the chart's sample interval.
    void UpDown1Click();

    // "Bogata" and "Uboga" beside the lambda bar, each at its own design top
    // or at the other's, scaled by the layout factor.
    void placeRichLeanLabels(bool traded, double layoutScale = 1.0);
    void showLive(const LiveView &view);
    // The thermometer alone, as the Parameters page's strip keeps it current.
    void showThermometer(int raw);
    // The lambda bar, its rich/lean labels and the chart's axis by the probe.
    void showProbe(const telemetry::ProbeDisplay &display, double layoutScale);
    // The chart's lambda axis alone.
    void showLambdaAxis(const QStringList &labels);
    int lambdaBarTop() const;
    // The thermometer and its texts, for a controller whose sensor is on.
    void showTemperatureReading(bool shown);
    // The large red warning after too many live reads without a reply.
    void showTransmissionError(const QString &text);
    void setSampleInterval(int interval);
    // The RPM trace's selector, where the focus goes on entering the page.
    void focusRpmTrace();
    // The recording indicator with the time recorded; none hides it.
    void showRecording(std::optional<qint64> elapsedMs);

signals:
    // The record button was pressed (or Ctrl+R): start or stop recording.
    void recordingToggled();
    // The button beside it: show the last recording in the viewer.
    void lastRecordingRequested();
    // The button beside the no-reply warning: explain why nothing answers.
    void connectionCheckRequested();

private:
    friend struct VisualisationPageTables;

    // Lambda
    QLabel *Label75 = nullptr;
    TLEDMeter *LEDMeter1 = nullptr;
    QLabel *Label30 = nullptr;
    QLabel *Label71 = nullptr;
    QLabel *Panel6 = nullptr;
    // Throttle and engine speed
    TAb180Meter *Gauge4 = nullptr;
    QLabel *Panel5 = nullptr;
    TAb270Meter *obrotomierz = nullptr;
    QLabel *Panel1 = nullptr;
    TAbLED *AbLED1 = nullptr;
    // Stepper motor
    QLabel *Label25 = nullptr;
    TAbTank *Gauge2 = nullptr;
    QLabel *Label47 = nullptr;
    QLabel *Label27 = nullptr;
    QLabel *Panel4 = nullptr;
    // Gas level and reducer temperature
    QLabel *Label26 = nullptr;
    TGauge *Gauge3 = nullptr;
    QLabel *Label42 = nullptr;
    TAbThermometer *AbThermometer1 = nullptr;
    QLabel *paneltemp = nullptr;
    // The chart's frame; in it the chart, its axes and the scale panels of
    // traces A, B, C, D
    QGroupBox *GroupBox10 = nullptr;
    TScope *Scope1 = nullptr;
    QLabel *WykresLambdaY1 = nullptr;
    QLabel *WykresLambdaY2 = nullptr;
    QLabel *WykresLambdaY3 = nullptr;
    QLabel *WykresLambdaY4 = nullptr;
    QLabel *WykresLambdaY5 = nullptr;
    QLabel *WykresLambdaX = nullptr;
    QLabel *Label28 = nullptr; // the lambda axis's unit
    QLabel *Label48 = nullptr; // the time axis, oldest to newest grid line
    QLabel *Label49 = nullptr;
    QLabel *Label50 = nullptr;
    QLabel *Label51 = nullptr;
    QLabel *Label52 = nullptr;
    QLabel *Label53 = nullptr;
    QLabel *Label67 = nullptr; // the time axis's unit
    QLabel *Panel2 = nullptr;
    QLabel *Panel7 = nullptr;
    QLabel *Panel3 = nullptr;
    QLabel *Panel8 = nullptr;
    // Chart controls
    QGroupBox *GroupBox11 = nullptr;
    QCheckBox *CheckBox39 = nullptr;
    QCheckBox *CheckBox40 = nullptr;
    QCheckBox *CheckBox41 = nullptr;
    QCheckBox *CheckBox42 = nullptr;
    QCheckBox *CheckBox10 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QSpinBox *UpDown1 = nullptr;
    // Lambda times and the transmission error
    QLabel *PodpisWykresLambda = nullptr;
    QLabel *CzasTHLabel = nullptr;
    QLabel *Label43 = nullptr;
    QLabel *CzasTLLabel = nullptr;
    QLabel *Label44 = nullptr;
    QLabel *TranserrorLabel = nullptr;
    QPushButton *DiagnozaButton = nullptr;
    // Drive recording
    QToolButton *NagrywanieButton = nullptr;
    QToolButton *PokazNagranieButton = nullptr;
    QLabel *NagrywanieLabel = nullptr;

    void buildInstruments();
    void buildTexts();
    void buildChart();
    void buildBackgrounds();
    void showTrace(TScope::Channel channel);
    // The time axis's numbers for the chart's sample interval.
    void showTimeAxis();

    int richDesignTop_ = 0; // Label30
    int leanDesignTop_ = 0; // Label71
};

// A lambda bar's scale and colours by the probe.
void showProbeOnBar(TLEDMeter &bar, const telemetry::ProbeDisplay &display);

} // namespace qx
