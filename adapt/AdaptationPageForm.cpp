#include "AdaptationPage.h"

#include "AdaptationPicture.h"
#include "FittingLabel.h"
#include "PageControl.h"
#include "PageStyle.h"
#include "VehicleChoices.h"
#include "WidgetFont.h"
#include "presets.h"
#include "tab270meter.h"
#include "tabhbar.h"
#include "tabled.h"
#include "tabthermometer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

// The adaptation page's sheets: where each step's controls sit and what they
// say before any step has run.

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
constexpr QRect InstructionBox{12, 8, 464, 64};
constexpr QRect MeterBox{482, 4, 250, 250};
constexpr QRect SpeedPanelBox{522, 262, 170, 40};
constexpr QRect NextBox{12, 326, 150, 40};
constexpr QRect BackBox{176, 326, 150, 40};

// The steps' texts get large fonts in the larger profiles: rather than be cut
// off by their boxes, they shrink to fit.
QLabel *fittingText(QWidget *parent, const char *name, const QString &text, QRect box, int points, Look look,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    return pagestyle::setUpText(new FittingLabel(text, parent), name, box, points, look, alignment);
}

QLabel *instruction(QWidget *sheet, const char *name, const QString &text, QRect box = InstructionBox)
{
    QLabel *label = fittingText(sheet, name, text, box, 11, Look::Note, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

TAb270Meter *speedMeter(QWidget *sheet, const char *name, const QString &title = QStringLiteral("Obroty"))
{
    auto *meter = new TAb270Meter(sheet);
    meter->setObjectName(QLatin1String(name));
    Presets::engineSpeedMeter(*meter, title, QString());
    meter->setGeometry(MeterBox);
    return meter;
}

QLabel *speedPanel(QWidget *sheet, const char *name, const QString &text)
{
    return pagestyle::makeText(sheet, name, text, SpeedPanelBox, 20, Look::Readout, Qt::AlignCenter);
}

// A horizontal bar set up by one of the instrument presets.
TAbHBar *hbar(QWidget *sheet, const char *name, void (*preset)(TAbHBar &), QRect box)
{
    auto *bar = new TAbHBar(sheet);
    bar->setObjectName(QLatin1String(name));
    preset(*bar);
    bar->setGeometry(box);
    return bar;
}

// The bars of the reducer and stepper steps draw no number and no unit:
// the one only takes its sector's colour, the other not even that.
void drawBarOnly(TAbHBar &bar, BarSettings::Options options)
{
    BarSettings settings = bar.barSettings();
    settings.options = options;
    bar.setBarSettings(settings);
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

} // namespace

AdaptationPage::AdaptationPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AutoadaptacjaTab"));
    // Over the steps' page control, which the smaller profiles raise to 25 px
    // from the top.
    Label11 =
        fittingText(this, "Label11", QString::fromUtf8(Steps[0].caption), {12, 0, 745, 28}, 18, Look::Heading);
    PageControl2 = new PageControl(this);
    // A step changes by a click on its tab or by the steps' own buttons; the
    // keyboard and the wheel never start a step's routine.
    PageControl2->setKeyboardPaging(false);
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
    buildVehicleStep(sheets_[3]);
    buildGlassStep(sheets_[4]);
    buildChangeoverStep(sheets_[5]);
    buildReducerStep(sheets_[6]);
    buildStepperStep(sheets_[7]);
    buildBackgrounds();
    // The most common car: metal intake, 1.5 - 2 L, manual gearbox, 20k glass.
    showVehicleChoices(VehicleChoices());
    // Only the user's choice of a tab is a step change of its own; the
    // sequences that switch steps by code do their own work.
    connect(PageControl2, &PageControl::changedByUser, this, &AdaptationPage::stepChosen);
}

void AdaptationPage::buildStepButtons(int step, QWidget *sheet)
{
    const StepRow &row = Steps[step - 1];
    auto *next = new QPushButton(QString::fromUtf8(row.nextCaption), sheet);
    next->setObjectName(QLatin1String(row.next));
    next->setGeometry(NextBox);
    next->setEnabled(row.nextEnabledAtFirst);
    setPointSize(*next, 12);
    connect(next, &QPushButton::clicked, this, [this, step] { emit nextClicked(step); });
    nextButtons_[step - 1] = next;
    if (!row.back)
        return;
    auto *back = new QPushButton(QString::fromUtf8(row.backCaption), sheet);
    back->setObjectName(QLatin1String(row.back));
    back->setGeometry(BackBox);
    setPointSize(*back, 12);
    connect(back, &QPushButton::clicked, this, [this, step] { emit backClicked(step); });
}

void AdaptationPage::buildTemperatureStep(QWidget *sheet)
{
    instruction(sheet, "Label105",
                QStringLiteral("Proszę ustawić samochód na zasilaniu benzynowym i odczekać do momentu osiągnięcia "
                               "przez silnik temperatury pracy. Następnie proszę nacisnąć przycisk dalej."),
                {12, 8, 348, 136});
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
    setPointSize(*ComboTerm, 12);

    WlCzujtTempCheckAd = new QCheckBox(sheet);
    WlCzujtTempCheckAd->setObjectName(QStringLiteral("WlCzujtTempCheckAd"));
    WlCzujtTempCheckAd->setGeometry(12, 204, 24, 24);
    WlCzujtTempAd = fittingText(sheet, "WlCzujtTempAd", QStringLiteral("Włącz czujnik temperatury"),
                                {40, 200, 320, 32}, 11, Look::Note);
    // Only the fitter changes this box; it mirrors into the Parameters page.
    connect(WlCzujtTempCheckAd, &QCheckBox::clicked, this, &AdaptationPage::temperatureSensorClicked);
    connect(ComboTerm, &QComboBox::activated, this, &AdaptationPage::ignitionChosen);
}

void AdaptationPage::buildTpsStep(QWidget *sheet)
{
    instruction(sheet, "Label106",
                QStringLiteral("Proszę zwiększać obroty do czasu zmiany koloru wskaźnika na zielony."),
                {12, 8, 464, 74});
    AdaptObr1 = speedMeter(sheet, "AdaptObr1");
    Adapt2PanelObr = speedPanel(sheet, "Adapt2PanelObr", QStringLiteral("0"));
    TPSdolny = readingRow(sheet, "Label59", QStringLiteral("TPS - dolny"), "TPSdolny", "Label80", 90);
    TPSgorny = readingRow(sheet, "Label61", QStringLiteral("TPS - górny"), "TPSgorny", "Label81", 130);
    TPSprog = readingRow(sheet, "Label60", QStringLiteral("TPS - Próg"), "TPSprog", "Label82", 170);
    AbDBLED4 = stepLed(sheet, "AbDBLED4", {12, 226, 36, 36});
    Label56 = instruction(sheet, "Label56", QStringLiteral("TPS został ustawiony Proszę nacisnąć klawisz DALEJ"),
                          {60, 222, 400, 96});
    Label56->hide();
}

void AdaptationPage::buildProbeStep(QWidget *sheet)
{
    instruction(sheet, "Label107",
                QStringLiteral("Proszę kilka razy zwiększać obroty do czasu zmiany koloru wskaźnika na zielony."),
                {12, 8, 464, 50});
    ObrSondy = speedMeter(sheet, "ObrSondy");
    Adapt4PanelObr = speedPanel(sheet, "Adapt4PanelObr", QStringLiteral("......."));

    miernik = hbar(sheet, "miernik", Presets::percentBar, {12, 60, 420, 44});
    LED1 = stepLed(sheet, "LED1", {12, 112, 36, 36});
    Label87 = fittingText(sheet, "Label87", QStringLiteral("Sonda skalibrowana."), {60, 112, 300, 36}, 12,
                          Look::Note);
    Label87->hide();

    lambdabar = hbar(sheet, "lambdabar", Presets::lambdaBar, {12, 154, 420, 42});
    pagestyle::makeText(sheet, "Label65", QStringLiteral("0 V"), {12, 198, 60, 20}, 10, Look::Note);
    Ad4LabelV = pagestyle::makeText(sheet, "Ad4LabelV", QStringLiteral("1 V"), {372, 198, 60, 20}, 10, Look::Note,
                                    Qt::AlignRight | Qt::AlignVCenter);

    PUboga = readingRow(sheet, "Label62", QStringLiteral("Uboga"), "PUboga", nullptr, 222);
    PBogata = readingRow(sheet, "Label63", QStringLiteral("Bogata"), "PBogata", nullptr, 256);
    PProg = readingRow(sheet, "Label64", QStringLiteral("Próg"), "PProg", nullptr, 290);
    for (QLabel *panel : {PUboga, PBogata, PProg})
        panel->setText(QStringLiteral("......."));
}


QCheckBox *AdaptationPage::vehicleBox(QWidget *sheet, const char *name, const QString &caption, QPoint at,
                                      VehicleBox box)
{
    auto *tick = new QCheckBox(sheet);
    tick->setObjectName(QLatin1String(name));
    tick->setGeometry(at.x(), at.y() + 4, 24, 24);
    pagestyle::makeText(sheet, qPrintable(QLatin1String(name) + QStringLiteral("Label")), caption,
                        {at.x() + 28, at.y(), 170, 32}, 11, Look::Note);
    connect(tick, &QCheckBox::clicked, this, [this, box](bool ticked) { clickVehicleBox(box, ticked); });
    vehicleBoxes_[size_t(box)] = tick;
    return tick;
}

void AdaptationPage::buildVehicleStep(QWidget *sheet)
{
    fittingText(sheet, "Label89", QStringLiteral("Wybierz parametry samochodu"), {12, 8, 600, 32}, 14,
                Look::Heading);
    fittingText(sheet, "Label66", QStringLiteral("Rodzaj kolektora ssacego"), {12, 52, 236, 38}, 11,
                Look::Heading);
    vehicleBox(sheet, "SRCheckBox1", QStringLiteral("Metal"), {12, 92}, VehicleBox::Metal);
    vehicleBox(sheet, "srcheckbox2", QStringLiteral("Tworzywo"), {12, 126}, VehicleBox::Plastic);

    fittingText(sheet, "Label29", QStringLiteral("Pojemność silnika"), {262, 52, 224, 38}, 11, Look::Heading);
    const char *const capacities[5][2] = {{"SRCheckBox3", "<1 L"},      {"SRCheckBox4", "1 - 1.5 L"},
                                          {"SRCheckBox5", "1.5 - 2 L"}, {"SRCheckBox6", "2 - 3 L"},
                                          {"SRCheckBox7", "> 3 L"}};
    for (int i = 0; i < 5; ++i) {
        auto *button = new QRadioButton(sheet);
        button->setObjectName(QLatin1String(capacities[i][0]));
        button->setGeometry(262, 98 + 34 * i, 20, 20);
        pagestyle::makeText(sheet, qPrintable(QLatin1String(capacities[i][0]) + QStringLiteral("Label")),
                            QString::fromUtf8(capacities[i][1]), {290, 92 + 34 * i, 170, 32}, 11, Look::Note);
        capacityButtons_[size_t(i)] = button;
    }

    fittingText(sheet, "Label74", QStringLiteral("Rodzaj skrzyni biegów"), {500, 52, 233, 38}, 11,
                Look::Heading);
    vehicleBox(sheet, "SRCheckbox8", QStringLiteral("Ręczna"), {500, 92}, VehicleBox::Manual);
    vehicleBox(sheet, "srcheckbox9", QStringLiteral("Automatyczna"), {500, 126}, VehicleBox::Automatic);
}

void AdaptationPage::buildGlassStep(QWidget *sheet)
{
    fittingText(sheet, "Label90", QStringLiteral("Wybierz rodzaj szkiełka"), {12, 8, 600, 32}, 14,
                Look::Heading);
    instruction(sheet, "Label84",
                QStringLiteral("Wybierz rodzaj czujnika poziomu gazu (dla kontaktronowego czujnika rezerwy należy "
                               "wybrać 90R)"),
                {12, 44, 723, 50});
    const struct
    {
        const char *picture;
        AdaptationPicture::Drawing drawing;
        const char *box;
        const char *caption;
        VehicleBox choice;
        int left;
    } glasses[] = {
        {"Image4", AdaptationPicture::Drawing::Glass20k, "SRCheckBox10", "20k", VehicleBox::Glass20k, 90},
        {"Image5", AdaptationPicture::Drawing::Glass90R, "SRCheckBox11", "90R", VehicleBox::Glass90R, 420},
    };
    for (const auto &glass : glasses) {
        auto *picture = new AdaptationPicture(glass.drawing, sheet);
        picture->setObjectName(QLatin1String(glass.picture));
        picture->setGeometry(glass.left, 96, 200, 180);
        const VehicleBox choice = glass.choice;
        connect(picture, &AdaptationPicture::clicked, this, [this, choice] { clickVehicleBox(choice, true); });
        vehicleBox(sheet, glass.box, QLatin1String(glass.caption), {glass.left + 70, 282}, glass.choice);
    }
}

void AdaptationPage::buildChangeoverStep(QWidget *sheet)
{
    instruction(sheet, "Label108",
                QStringLiteral("Proszę regulować reduktor do momentu osiągnięcia mieszanki bogatej."),
                {12, 8, 464, 104});
    // This meter's title has no built-in wording of its own; the language
    // files give it one.
    ObrPrzedRed = speedMeter(sheet, "ObrPrzedRed", QStringLiteral("SignalName1"));
    PanellPrzedRed = speedPanel(sheet, "PanellPrzedRed", QStringLiteral("......."));
    LedPrzedRed = stepLed(sheet, "LedPrzedRed", {12, 120, 36, 36});
    NastapiloPrzejscieBGLABEL = fittingText(sheet, "NastapiloPrzejscieBGLABEL",
                                            QStringLiteral("Nastąpiło przejście z benzyny na gaz"),
                                            {60, 120, 416, 36}, 12, Look::Note);
    NastapiloPrzejscieBGLABEL->hide();
}

void AdaptationPage::buildReducerStep(QWidget *sheet)
{
    instruction(sheet, "Label109",
                QStringLiteral("Proszę regulować reduktor na wolnych obrotach do momentu osiągnięcia mieszanki "
                               "bogatej."),
                {12, 8, 464, 104});
    auto *picture = new AdaptationPicture(AdaptationPicture::Drawing::Reducer, sheet);
    picture->setObjectName(QStringLiteral("Image6"));
    picture->setGeometry(MeterBox.x(), 20, 250, 250);
    LambdabarRR = hbar(sheet, "LambdabarRR", Presets::lambdaBar, {12, 120, 420, 44});
    drawBarOnly(*LambdabarRR, BarSettings::opUseSectorCol);
    pagestyle::makeText(sheet, "Label68", QStringLiteral("Uboga"), {12, 166, 120, 22}, 10, Look::Note);
    pagestyle::makeText(sheet, "Label69", QStringLiteral("Bogata"), {312, 166, 120, 22}, 10, Look::Note,
                        Qt::AlignRight | Qt::AlignVCenter);
    LedRR = stepLed(sheet, "LedRR", {12, 210, 36, 36});
}

void AdaptationPage::buildStepperStep(QWidget *sheet)
{
    Label70 = instruction(sheet, "Label70",
                          QStringLiteral("Proszę ustawić wolne obroty i czekać do zmiany koloru wskaźnika MIN na "
                                         "zielony."));
    Label76 = instruction(sheet, "Label76",
                          QStringLiteral("Proszę ustawić obroty powyżej 2000 obr/min i czekać do zmiany koloru "
                                         "wskaźnika MAX na zielony."));
    Label76->hide();
    ObrMinMax = speedMeter(sheet, "ObrMinMax");
    PanelObrMinMax = speedPanel(sheet, "PanelObrMinMax", QStringLiteral("......."));

    LambdaBarObr2 = hbar(sheet, "LambdaBarObr2", Presets::percentBar, {12, 76, 420, 40});
    LedMin = stepLed(sheet, "LedMin", {12, 122, 32, 32});
    pagestyle::makeText(sheet, "Label78", QStringLiteral("Min"), {48, 122, 60, 32}, 11, Look::Note);
    LedMax = stepLed(sheet, "LedMax", {120, 122, 32, 32});
    pagestyle::makeText(sheet, "Label79", QStringLiteral("Max"), {156, 122, 60, 32}, 11, Look::Note);
    KomunikatKoncowy = fittingText(sheet, "KomunikatKoncowy", QStringLiteral("Autoadaptacja zakończona"),
                                   {226, 122, 250, 38}, 12, Look::Heading);
    KomunikatKoncowy->hide();

    LambdaBarObr1 = hbar(sheet, "LambdaBarObr1", Presets::stepperBar, {12, 162, 420, 44});
    drawBarOnly(*LambdaBarObr1, {});

    PanelMin = readingRow(sheet, "Label72", QStringLiteral("Min"), "PanelMin", nullptr, 216);
    PanelMax = readingRow(sheet, "Label73", QStringLiteral("Max"), "PanelMax", nullptr, 250);
    PanelStart = readingRow(sheet, "Label88", QStringLiteral("Start"), "PanelStart", nullptr, 284);
    for (QLabel *panel : {PanelMin, PanelMax, PanelStart})
        panel->setText(QStringLiteral("......."));
    auto *picture = new AdaptationPicture(AdaptationPicture::Drawing::Stepper, sheet);
    picture->setObjectName(QStringLiteral("Image7"));
    picture->setGeometry(292, 212, 180, 106);
}

} // namespace qx
