#include "AdaptationPage.h"

#include "PageStyle.h"
#include "ProbeCalibrationStep.h"
#include "TemperatureStep.h"
#include "TpsThresholdStep.h"
#include "presets.h"
#include "tab270meter.h"
#include "tabhbar.h"
#include "tabled.h"
#include "tabthermometer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace qx {

namespace {

using pagestyle::Look;

struct StepRow
{
    const char *sheet;
    const char *caption;
    const char *next;
    const char *nextCaption;
    bool nextEnabledAtFirst;
    const char *back; // none on the first step
    const char *backCaption;
};

const StepRow Steps[AdaptationSteps] = {
    {"adaptterm", "Ad2 - termometr", "termbutton", "DALEJ", false, nullptr, nullptr},
    {"AdaptTps", "Ad2 - ustalenie progu TPS", "tpsbutton", "Dalej", false, "CofnijAD2", "cofnij"},
    {"adaptsonda", "Kalibracja Sondy Lambda", "SondButton", "Dalej", false, "CofnijAD3", "cofnij"},
    {"adapt5", "Wybór parametrow samochodu", "ParSamButton", "Dalej", true, "CofnijAD4", "Cofnij"},
    {"adapt6", "Wybór oczka", "OczkaButton", "DALEJ", true, "CofnijAD5", "cofnij"},
    {"przedreduktorem", "Przejscie z benzyny na gaz", "przedreduktbutton", "DALEJ", false, "CofnijAD6", "cofnij"},
    {"Regulacjareduktora", "regulacja reduktora", "RRbutton", "DALEJ", false, "CofnijAD7", "cofnij"},
    {"MinMaxTab", "Kalibracja silnika krokowego", "MinMaxButton", "DALEJ", false, "CofnijAD8", "cofnij"},
};

// Where the steps' controls sit on a sheet: instructions and readings at the
// left, the engine-speed meter with its panel at the right, the buttons along
// the bottom.
constexpr QRect InstructionBox{12, 8, 420, 64};
constexpr QRect MeterBox{486, 4, 250, 250};
constexpr QRect SpeedPanelBox{526, 262, 170, 40};
constexpr QRect NextBox{12, 326, 150, 40};
constexpr QRect BackBox{176, 326, 150, 40};

QLabel *instruction(QWidget *sheet, const char *name, const QString &text, QRect box = InstructionBox)
{
    QLabel *label = pagestyle::makeText(sheet, name, text, box, 11, Look::Note, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

TAb270Meter *speedMeter(QWidget *sheet, const char *name)
{
    auto *meter = new TAb270Meter(sheet);
    meter->setObjectName(QLatin1String(name));
    Presets::engineSpeedMeter(*meter, QStringLiteral("Obroty"), QString());
    meter->setGeometry(MeterBox);
    return meter;
}

QLabel *speedPanel(QWidget *sheet, const char *name, const QString &text)
{
    return pagestyle::makeText(sheet, name, text, SpeedPanelBox, 20, Look::Readout, Qt::AlignCenter);
}

TAbLED *stepLed(QWidget *sheet, const char *name, QRect box)
{
    auto *led = new TAbLED(sheet);
    led->setObjectName(QLatin1String(name));
    led->setColorOn(Qt::green);
    led->setColorOff(Qt::red);
    led->setGeometry(box);
    return led;
}

// A caption, a readout panel and its unit, in one row.
QLabel *readingRow(QWidget *sheet, const char *caption, const QString &text, const char *panel, const char *unit,
                   int top)
{
    pagestyle::makeText(sheet, caption, text, {12, top, 150, 30}, 11, Look::Note);
    QLabel *value = pagestyle::makeText(sheet, panel, QString(), {170, top, 110, 30}, 14, Look::Readout,
                                        Qt::AlignCenter);
    if (unit)
        pagestyle::makeText(sheet, unit, QStringLiteral("V"), {288, top, 24, 30}, 11, Look::Note);
    return value;
}

void setSpeed(TAb270Meter *meter, QLabel *panel, const std::optional<SpeedReading> &speed)
{
    if (!speed)
        return;
    meter->setDigit(speed->rpm);
    panel->setText(QString::number(speed->shown));
}

} // namespace

AdaptationPage::AdaptationPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AutoadaptacjaTab"));
    Label11 = pagestyle::makeText(this, "Label11", QString::fromUtf8(Steps[0].caption), {12, 6, 757, 38}, 18,
                                  Look::Heading);
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(12, 48, 757, 409);
    for (int step = 1; step <= AdaptationSteps; ++step) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QLatin1String(Steps[step - 1].sheet));
        PageControl2->addTab(sheet, QString::fromUtf8(Steps[step - 1].caption));
        sheets_[step - 1] = sheet;
        buildStepButtons(step, sheet);
    }
    buildTemperatureStep(sheets_[0]);
    buildTpsStep(sheets_[1]);
    buildProbeStep(sheets_[2]);
    // Only the user's choice of a tab is a step change of its own; the
    // sequences that switch steps by code do their own work.
    connect(PageControl2->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index != PageControl2->currentIndex()) {
            PageControl2->setCurrentIndex(index);
            emit stepChosen();
        }
    });
}

void AdaptationPage::buildStepButtons(int step, QWidget *sheet)
{
    const StepRow &row = Steps[step - 1];
    auto *next = new QPushButton(QString::fromUtf8(row.nextCaption), sheet);
    next->setObjectName(QLatin1String(row.next));
    next->setGeometry(NextBox);
    next->setEnabled(row.nextEnabledAtFirst);
    pagestyle::setPointSize(*next, 12);
    connect(next, &QPushButton::clicked, this, [this, step] { emit nextClicked(step); });
    nextButtons_[step - 1] = next;
    if (!row.back)
        return;
    auto *back = new QPushButton(QString::fromUtf8(row.backCaption), sheet);
    back->setObjectName(QLatin1String(row.back));
    back->setGeometry(BackBox);
    pagestyle::setPointSize(*back, 12);
    connect(back, &QPushButton::clicked, this, [this, step] { emit backClicked(step); });
}

void AdaptationPage::buildTemperatureStep(QWidget *sheet)
{
    instruction(sheet, "Label105",
                QStringLiteral("Proszę ustawić samochód na zasilaniu benzynowym i odczekać do momentu osiągnięcia "
                               "przez silnik temperatury pracy. Następnie proszę nacisnąć przycisk dalej."),
                {12, 8, 330, 120});
    AdaptTherm = new TAbThermometer(sheet);
    AdaptTherm->setObjectName(QStringLiteral("AdaptTherm"));
    Presets::adaptationThermometer(*AdaptTherm);
    AdaptTherm->setGeometry(366, 8, 100, 300);
    ObrTerm = speedMeter(sheet, "ObrTerm");
    PanelTerm = speedPanel(sheet, "PanelTerm", QStringLiteral("0"));

    ComboTerm = new QComboBox(sheet);
    ComboTerm->setObjectName(QStringLiteral("ComboTerm"));
    ComboTerm->addItems({QStringLiteral("Cewka na cylinder"), QStringLiteral("Podwójna cewka"),
                         QStringLiteral("4 cylindry"), QStringLiteral("5 cylindry"), QStringLiteral("6 cylindry"),
                         QStringLiteral("8 cylindry")});
    ComboTerm->setGeometry(12, 150, 300, 32);
    pagestyle::setPointSize(*ComboTerm, 12);

    WlCzujtTempCheckAd = new QCheckBox(sheet);
    WlCzujtTempCheckAd->setObjectName(QStringLiteral("WlCzujtTempCheckAd"));
    WlCzujtTempCheckAd->setGeometry(12, 204, 24, 24);
    WlCzujtTempAd = pagestyle::makeText(sheet, "WlCzujtTempAd", QStringLiteral("Włącz czujnik temperatury"),
                                        {40, 200, 300, 32}, 11, Look::Note);
    // Only the fitter changes this box; it mirrors into the Parameters page.
    connect(WlCzujtTempCheckAd, &QCheckBox::clicked, this, &AdaptationPage::temperatureSensorClicked);
}

void AdaptationPage::buildTpsStep(QWidget *sheet)
{
    instruction(sheet, "Label106",
                QStringLiteral("Proszę zwiększać obroty do czasu zmiany koloru wskaźnika na zielony."));
    AdaptObr1 = speedMeter(sheet, "AdaptObr1");
    Adapt2PanelObr = speedPanel(sheet, "Adapt2PanelObr", QStringLiteral("0"));
    TPSdolny = readingRow(sheet, "Label59", QStringLiteral("TPS - dolny"), "TPSdolny", "Label80", 90);
    TPSgorny = readingRow(sheet, "Label61", QStringLiteral("TPS - górny"), "TPSgorny", "Label81", 130);
    TPSprog = readingRow(sheet, "Label60", QStringLiteral("TPS - Próg"), "TPSprog", "Label82", 170);
    AbDBLED4 = stepLed(sheet, "AbDBLED4", {12, 226, 36, 36});
    Label56 = instruction(sheet, "Label56", QStringLiteral("TPS został ustawiony Proszę nacisnąć klawisz DALEJ"),
                          {60, 222, 400, 60});
    Label56->hide();
}

void AdaptationPage::buildProbeStep(QWidget *sheet)
{
    instruction(sheet, "Label107",
                QStringLiteral("Proszę kilka razy zwiększać obroty do czasu zmiany koloru wskaźnika na zielony."),
                {12, 8, 420, 48});
    ObrSondy = speedMeter(sheet, "ObrSondy");
    Adapt4PanelObr = speedPanel(sheet, "Adapt4PanelObr", QStringLiteral("......."));

    miernik = new TAbHBar(sheet);
    miernik->setObjectName(QStringLiteral("miernik"));
    Presets::percentBar(*miernik);
    miernik->setGeometry(12, 60, 420, 44);
    LED1 = stepLed(sheet, "LED1", {12, 112, 36, 36});
    Label87 = pagestyle::makeText(sheet, "Label87", QStringLiteral("Sonda skalibrowana."), {60, 112, 300, 36}, 12,
                                  Look::Note);
    Label87->hide();

    lambdabar = new TAbHBar(sheet);
    lambdabar->setObjectName(QStringLiteral("lambdabar"));
    Presets::lambdaBar(*lambdabar);
    lambdabar->setGeometry(12, 154, 420, 44);
    pagestyle::makeText(sheet, "Label65", QStringLiteral("0 V"), {12, 198, 60, 20}, 10, Look::Note);
    Ad4LabelV = pagestyle::makeText(sheet, "Ad4LabelV", QStringLiteral("1 V"), {372, 198, 60, 20}, 10, Look::Note,
                                    Qt::AlignRight | Qt::AlignVCenter);

    PUboga = readingRow(sheet, "Label62", QStringLiteral("Uboga"), "PUboga", nullptr, 222);
    PBogata = readingRow(sheet, "Label63", QStringLiteral("Bogata"), "PBogata", nullptr, 256);
    PProg = readingRow(sheet, "Label64", QStringLiteral("Próg"), "PProg", nullptr, 290);
    for (QLabel *panel : {PUboga, PBogata, PProg})
        panel->setText(QStringLiteral("......."));
}

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

bool AdaptationPage::stepTabVisible(int step) const
{
    return PageControl2->isTabVisible(step - 1);
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
    SignalSettings signal = lambdabar->signalSettings();
    if (signal.digitalTo != scale.top) {
        signal.digitalTo = scale.top;
        signal.valueTo = scale.top;
        lambdabar->setSignalSettings(signal);
    }
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

} // namespace qx
