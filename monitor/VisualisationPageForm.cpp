// The design of the Visualisation page at 800 × 600: the box, font and text
// of every control. The engine speed and throttle column stands at the left;
// right of it the lambda, stepper, gas and temperature instruments over the
// chart with its scales and controls.

#include "VisualisationPageForm.h"

#include "PageStyle.h"
#include "WidgetFont.h"
#include "presets.h"
#include "tab180meter.h"
#include "tab270meter.h"
#include "tabled.h"
#include "tabtank.h"
#include "tabthermometer.h"
#include "tgauge.h"

#include <QStyle>
#include "tledmeter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <iterator>

namespace qx {

using namespace pagestyle;
using namespace visualisation;

// The member and the object name spelt once.
#define QX_WIZ(control) &VisualisationPage::control, #control

namespace {

// Font sizes in points at the 800 design.
constexpr int textPt = 12;
constexpr int meterPt = 14; // obrotomierz, Gauge3
constexpr int alarmPt = 24;
constexpr int axisPt = 8;   // scale numbers and axis labels
constexpr int controlPt = 9;
constexpr int ledPt = 20;

// The chart's frame holds the chart, its axes, scale panels and controls,
// from the line under the instruments to the foot of the page. Like
// everything on the page it ends where the narrowest page, the 1152
// profile's, ends (761 at the design's scale).
constexpr QRect chartGroupBox(248, 234, 513, 250);
// Inside the frame: the chart is four grid divisions high and six wide, so
// the lambda scale beside it, the time scale under it and the trace scale
// panels line up with the grid lines. At this size its case is 8 px wide.
constexpr int gridPixels = 51;
constexpr int gridRows = 4;
constexpr int gridColumns = 6;
constexpr int chartFrame = 8;
constexpr QRect chartBox(28, 4, gridColumns * gridPixels + 2 * chartFrame, gridRows * gridPixels + 2 * chartFrame);
// Right of the chart: the trace scale panels, then the box of its controls.
constexpr int scalePanelLeft = chartBox.x() + chartBox.width() + 4;
constexpr int scalePanelWidth = 48;
constexpr QRect controlsBox(scalePanelLeft + scalePanelWidth + 6, 4, 103, 232);
constexpr int chartFaceLeft = chartBox.x() + chartFrame;
constexpr int chartFaceBottom = chartBox.y() + chartFrame + gridRows * gridPixels;
constexpr int axisHeight = 14;
constexpr int timeAxisTop = chartBox.y() + chartBox.height() + 1;

template <class T>
T *named(T *control, const char *name, QRect box)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(box);
    return control;
}

struct TextRow
{
    QLabel *VisualisationPage::*member;
    const char *name;
    const char *text;
    QRect box;
    int points;
    Look look;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment headingAlignment = Qt::AlignHCenter | Qt::AlignBottom;
constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;


// A scale label of the chart, one per grid line.
struct AxisRow
{
    QLabel *VisualisationPage::*member;
    const char *name;
    const char *text;
};


} // namespace

const std::array<TraceRow, TScope::channelCount> &VisualisationPageTables::traceRows()
{
    static const std::array<TraceRow, TScope::channelCount> rows = {{
        {QX_WIZ(CheckBox39), "&LAMBDA", QX_WIZ(Panel2), "λ\nV", QColor(0xff, 0x00, 0x00)},
        {QX_WIZ(CheckBox40), "&TPS", QX_WIZ(Panel7), "12,5\nV", QColor(0xff, 0x00, 0xff)},
        {QX_WIZ(CheckBox41), "&RPM", QX_WIZ(Panel3), "8000\nRPM", QColor(0xff, 0x80, 0x00)},
        {QX_WIZ(CheckBox42), "&STEP", QX_WIZ(Panel8), "255\nSTEP", QColor(0x00, 0xff, 0xff)},
    }};
    return rows;
}

void VisualisationPage::buildInstruments()
{
    obrotomierz = named(new TAb270Meter(this), "obrotomierz", {8, 2, 228, 228});
    Presets::engineSpeedMeter(*obrotomierz, QStringLiteral("Obroty"), QStringLiteral("RPM"));
    setPointSize(*obrotomierz, meterPt);

    AbLED1 = named(new TAbLED(this), "AbLED1", {92, 236, 150, 30});
    AbLED1->setCaption(QStringLiteral("Benzyna"));
    AbLED1->setFrequency(FlashClock::ff1Hz);
    setTextColour(*AbLED1, petrolRed);
    setPointSize(*AbLED1, ledPt);

    Gauge4 = named(new TAb180Meter(this), "Gauge4", {6, 270, 172, 118});
    Presets::throttleMeter(*Gauge4);
    setPointSize(*Gauge4, textPt);

    LEDMeter1 = named(new TLEDMeter(this), "LEDMeter1", {256, 46, 26, 150});
    Presets::lambdaLedMeter(*LEDMeter1);

    Gauge2 = named(new TAbTank(this), "Gauge2", {352, 46, 78, 150});
    Presets::stepperTank(*Gauge2);

    Gauge3 = named(new TGauge(this), "Gauge3", {556, 46, 46, 182});
    setPointSize(*Gauge3, meterPt);

    AbThermometer1 = named(new TAbThermometer(this), "AbThermometer1", {670, 46, 60, 150});
    Presets::reducerThermometer(*AbThermometer1);
    setPointSize(*AbThermometer1, axisPt);

    // Lines between the engine column, the instruments and the chart.
    const auto bevel = [this](const char *name, QRect box, QFrame::Shape shape) {
        QFrame *line = named(new QFrame(this), name, box);
        line->setFrameShape(shape);
        line->setFrameShadow(QFrame::Sunken);
    };
    bevel("Bevel1", {244, 4, 3, 479}, QFrame::VLine);
    bevel("Bevel2", {250, 231, 509, 3}, QFrame::HLine);
}

void VisualisationPage::buildTexts()
{
    static const TextRow textRows[] = {
        {QX_WIZ(Panel1), "0", {8, 236, 78, 30}, textPt, Look::Readout, Qt::AlignCenter},
        {QX_WIZ(Panel5), "0.00", {184, 360, 58, 28}, textPt, Look::Readout, Qt::AlignCenter},
        {QX_WIZ(PodpisWykresLambda), "CZASY LAMBDA:", {6, 394, 146, 20}, textPt, Look::Heading, left},
        {QX_WIZ(CzasTHLabel), "TH: ", {6, 416, 34, 24}, textPt, Look::Note, left},
        {QX_WIZ(Label43), "0", {42, 416, 70, 24}, textPt, Look::Readout, Qt::AlignCenter},
        {QX_WIZ(CzasTLLabel), "TL: ", {130, 416, 34, 24}, textPt, Look::Note, left},
        {QX_WIZ(Label44), "0", {166, 416, 70, 24}, textPt, Look::Readout, Qt::AlignCenter},
        {QX_WIZ(TranserrorLabel), "BladTransmisji", {5, 443, 238, 40}, alarmPt, Look::Alarm, left},
    
        {QX_WIZ(Label75), "Lambda", {250, 2, 92, 40}, textPt, Look::Heading, headingAlignment},
        {QX_WIZ(Label71), "Uboga", {288, 46, 60, 20}, textPt, Look::Note, left},
        {QX_WIZ(Label30), "Bogata", {288, 176, 60, 20}, textPt, Look::Note, left},
        {QX_WIZ(Panel6), "0.00", {254, 200, 84, 28}, textPt, Look::Readout, Qt::AlignCenter},
    
        {QX_WIZ(Label25), "Silnik krokowy", {350, 2, 166, 40}, textPt, Look::Heading, headingAlignment},
        {QX_WIZ(Label47), "Otwarty", {434, 71, 86, 20}, textPt, Look::Note, left},
        {QX_WIZ(Label27), "Zamknięty", {434, 161, 88, 20}, textPt, Look::Note, left},
        {QX_WIZ(Panel4), "0", {352, 200, 78, 28}, textPt, Look::Readout, Qt::AlignCenter},
    
        {QX_WIZ(Label26), "Poziom gazu w zbiorniku", {520, 2, 116, 40}, textPt, Look::Heading, headingAlignment},
        {QX_WIZ(Label42), "Temperatura reduktora", {640, 2, 120, 40}, textPt, Look::Heading, headingAlignment},
        {QX_WIZ(paneltemp), "0", {660, 200, 80, 28}, textPt, Look::Readout, Qt::AlignCenter},
    };

    for (const TextRow &row : textRows)
        this->*row.member = makeText(this, row.name, QString::fromUtf8(row.text), row.box, row.points, row.look,
                                     row.alignment);
    // Gas is on while the stepper is open: the fuel caption borrows this colour.
    setTextColour(*Label47, QColor(0x00, 0x80, 0x00));
    // The no-reply text is a language text: words, never markup.
    TranserrorLabel->setTextFormat(Qt::PlainText);
    // The warning fills its row, so its button sits at the end of the lambda
    // times' heading, over the warning's column, and shows only with it.
    DiagnozaButton = named(new QPushButton(QStringLiteral("Diagnoza"), this), "DiagnozaButton", {154, 392, 88, 22});
    DiagnozaButton->setToolTip(QStringLiteral("Diagnoza połączenia"));
    setPointSize(*DiagnozaButton, controlPt);
    DiagnozaButton->hide();
    connect(DiagnozaButton, &QPushButton::clicked, this, &VisualisationPage::connectionCheckRequested);

    // Beside the throttle gauge: the record button, a picture-like caption
    // whose words are its tip's, and under it the indicator while recording.
    NagrywanieButton = named(new QToolButton(this), "NagrywanieButton", {184, 274, 28, 26});
    NagrywanieButton->setText(QStringLiteral("●"));
    NagrywanieButton->setToolTip(QStringLiteral("Nagrywanie jazdy (Ctrl+R)"));
    NagrywanieButton->setCheckable(true);
    NagrywanieButton->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    setTextColour(*NagrywanieButton, petrolRed);
    connect(NagrywanieButton, &QToolButton::clicked, this, &VisualisationPage::recordingToggled);
    PokazNagranieButton = named(new QToolButton(this), "PokazNagranieButton", {213, 274, 28, 26});
    PokazNagranieButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    PokazNagranieButton->setToolTip(QStringLiteral("Pokaż ostatnie nagranie"));
    connect(PokazNagranieButton, &QToolButton::clicked, this, &VisualisationPage::lastRecordingRequested);
    NagrywanieLabel = makeText(this, "NagrywanieLabel", QString(), {180, 304, 62, 40}, controlPt, Look::Note,
                               Qt::AlignCenter);
    setTextColour(*NagrywanieLabel, petrolRed);
    NagrywanieLabel->hide();

    richDesignTop_ = Label30->y();
    leanDesignTop_ = Label71->y();
}

void VisualisationPage::buildBackgrounds()
{
    // The whole page, and over it the band of instruments right of the engine
    // column; the chart's frame has a plain face of its own.
    placeGradients(*this, {
                              {"AbGradient6", nullptr, {}, TAbGradient::TopToBottom},
                              {"AbGradient7", nullptr, {248, 0, 513, 230}, TAbGradient::LeftToRight},
                          });
}

void VisualisationPage::buildChart()
{
    static const AxisRow lambdaAxisRows[] = {
        {QX_WIZ(WykresLambdaY1), "0,0"}, {QX_WIZ(WykresLambdaY2), "0,2"}, {QX_WIZ(WykresLambdaY3), "0,5"},
        {QX_WIZ(WykresLambdaY4), "0,8"}, {QX_WIZ(WykresLambdaY5), "1,0"},
    };
    // Under the grid lines right of the chart's left edge; showTimeAxis()
    // gives them their numbers.
    static const AxisRow timeAxisRows[] = {
        {QX_WIZ(Label48), ""}, {QX_WIZ(Label49), ""}, {QX_WIZ(Label50), ""},
        {QX_WIZ(Label51), ""}, {QX_WIZ(Label52), ""}, {QX_WIZ(Label53), ""},
    };
    static_assert(std::size(timeAxisRows) == gridColumns);

    // A plain face of the desktop's button colour, so the chart stands apart
    // from the instruments' gradient.
    GroupBox10 = named(new QGroupBox(this), "GroupBox10", chartGroupBox);
    QPalette face = GroupBox10->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    GroupBox10->setPalette(face);
    GroupBox10->setAutoFillBackground(true);

    Scope1 = named(new TScope(GroupBox10), "Scope1", chartBox);
    Scope1->setGridSize(gridPixels);
    Scope1->setInterval(10);
    Scope1->setBackgroundColor(traceBackground);

    for (int line = 0; line <= gridRows; ++line) {
        const AxisRow &row = lambdaAxisRows[line];
        const int centre = chartFaceBottom - line * gridPixels;
        this->*row.member = makeText(GroupBox10, row.name, QString::fromLatin1(row.text),
                                     {2, centre - axisHeight / 2, 24, axisHeight}, axisPt, Look::Axis,
                                     Qt::AlignRight | Qt::AlignVCenter);
    }
    Label28 = makeText(GroupBox10, "Label28", QStringLiteral("λ [V]"), {2, timeAxisTop, 44, axisHeight}, axisPt,
                       Look::Note);
    constexpr int timeLabelWidth = 32;
    for (int line = 1; line <= gridColumns; ++line) {
        const AxisRow &row = timeAxisRows[line - 1];
        const int centre = chartFaceLeft + line * gridPixels;
        this->*row.member = makeText(GroupBox10, row.name, QString(),
                                     {centre - timeLabelWidth / 2, timeAxisTop, timeLabelWidth, axisHeight}, axisPt,
                                     Look::Note, Qt::AlignCenter);
    }
    Label67 = makeText(GroupBox10, "Label67", QStringLiteral("t [s]"),
                       {chartFaceLeft + gridColumns * gridPixels + timeLabelWidth / 2 + 4, timeAxisTop, 40, axisHeight},
                       axisPt, Look::Note);
    showTimeAxis();

    // The selectors, the grid switch and the pause take the box's font.
    GroupBox11 = named(new QGroupBox(GroupBox10), "GroupBox11", controlsBox);
    setPointSize(*GroupBox11, controlPt);

    const auto &traces = VisualisationPageTables::traceRows();
    for (int channel = 0; channel < TScope::channelCount; ++channel) {
        const TraceRow &trace = traces[size_t(channel)];
        Scope1->setLineColor(TScope::Channel(channel), trace.colour);
        const int rowTop = chartBox.y() + chartFrame + channel * gridPixels;
        this->*trace.scalePanel = makeScalePanel(GroupBox10, trace.scalePanelName, QString::fromUtf8(trace.scaleText),
                                                 {scalePanelLeft, rowTop + 2, scalePanelWidth, gridPixels - 4},
                                                 trace.colour);
        auto *selector = named(new QCheckBox(QString::fromLatin1(trace.caption), GroupBox11), trace.selectorName,
                               {8, 10 + channel * 22, 92, 20});
        selector->setChecked(channel == TScope::ChannelA);
        this->*trace.selector = selector;
    }

    CheckBox10 = named(new QCheckBox(QStringLiteral("S&IATKA"), GroupBox11), "CheckBox10", {8, 106, 92, 20});
    CheckBox10->setChecked(true);

    SpeedButton4 = named(new QToolButton(GroupBox11), "SpeedButton4", {8, 138, 90, 26});
    SpeedButton4->setText(QStringLiteral("&PAUZA"));
    SpeedButton4->setCheckable(true);

    UpDown1 = named(new QSpinBox(GroupBox11), "UpDown1", {8, 178, 50, 24});
    UpDown1->setRange(1, 4);

    WykresLambdaX = makeText(GroupBox11, "WykresLambdaX", QStringLiteral("0,5 s / dz"), {8, 206, 92, 16}, axisPt,
                             Look::Note);
}

} // namespace qx
