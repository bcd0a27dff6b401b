// The rule of every control a profile rescales, page by page.
#include "ScaleControl.h"

#include <QHash>
#include <QStringList>

namespace qx {

namespace {

using K = ControlKind;
using F = FontRule;

constexpr ScaleRule label{K::Label, F::SizeClass};
constexpr ScaleRule heading{K::Label, F::Heading};
constexpr ScaleRule font{K::Font, F::SizeClass};
constexpr ScaleRule checkBox{K::CheckBox, F::SizeClass};
constexpr ScaleRule meter{K::Meter, F::SizeClass};
constexpr ScaleRule led{K::Led, F::SizeClass};
constexpr ScaleRule box{K::Box, F::None};
constexpr ScaleRule movedOnly{K::MovedOnly, F::None};

constexpr ScaleRule ownLabel(int points)
{
    return {K::Label, F::Own, points};
}

constexpr ScaleRule ownFont(int points)
{
    return {K::Font, F::Own, points};
}

// Names that share one rule, separated by spaces.
struct Names
{
    const char *names;
    ScaleRule rule;
};

const Names groups[] = {
    // Gradients: those over a whole page or step's sheet, and the cards and bands on them.
    {"AbGradient1 AbGradient6 AbGradient8 AbGradient9 AbGradient10 AbGradient11 AbGradient12 AbGradient13 "
     "AbGradient14 AbGradient15 AbGradient23",
     {K::Backdrop, F::None}},
    {"AbGradient2 AbGradient3 AbGradient4 AbGradient5 AbGradient7 AbGradient16 AbGradient17 AbGradient18 "
     "AbGradient19 AbGradient20 AbGradient21 AbGradient22 AbGradient24 AbGradient25 AbGradient26 AbGradient28 "
     "AbGradient29 AbGradient31 AbGradient32 AbGradient34 AbGradient35 AbGradient36 AbGradient37 "
     "AbGradientPanelDol AbGradientTPSRamka AbGradientSonda AbGradientParS1 AbGradientParS2 AbGradientParS3 "
     "AbGradientKoniec",
     box},

    // RPM page.
    {"Label91 WyborUkladuLabel", ownLabel(20)},
    {"ComboBox2 OdczytUkladuButt GroupBoxAnalog Edit23 Panelobroty", font},
    {"ProgAnalogTxt", ownLabel(10)},
    {"gauge1", meter},

    // Parameters page: what LayoutParameterPage does not place itself.
    {"GroupBox20 GroupBox9 GroupBox14 GroupBox22 GroupBox8 GroupBox21 ComboBox1 ComboBox4 ComboBox9 ComboBox20 "
     "ComboBox21 Edit2 Edit3 Edit5 Edit6 Edit7 Edit8_1 Edit10 Edit11_1 Edit11_2 Edit12 Edit13_1 Edit13_2 Edit14 "
     "Edit16 Edit17 Edit18 Edit19 Edit22_1 ResButt ZapButPic odczButPic OdczytButtPlik ZapiszButtPlik"
     " PrzywrocButtPlik PorownajButtPlik",
     font},
    {"Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8 Label9 Label10 Label12 Label13 Label14 Label16 "
     "Label17 Label18 Label19 Label20 Label21 Label22 Label23 minprzelbgLabel CheckBox8_2_label CheckBox13_3_Label "
     "CheckBox15_Label checkbox22_2_label WylaczkomentarzeCheckLabel info LambdaLabel ZmiennaLambda "
     "ZmiennaTPSLabel ZmiennaTPS ZmiennaTemperaturaLabel ZmiennaTemperatura ZmiennaObrotyLabel ZmiennaObroty "
     "ZmiennaSilnikKrokowyLabel ZmiennaSilnikKrokowy aktZasilanieLabel ZmiennaGazBenzyna ZmiennaPoziomGazuLabel",
     label},
    {"CheckBox8_2 CheckBox13_3 CheckBox15 CheckBox22_2 WylaczkomentarzeCheck", checkBox},
    {"LEDMeter2", box},

    // Visualisation page.
    {"obrotomierz", {K::Meter, F::SizeClassPlus2}},
    {"Gauge3", {K::Font, F::SizeClassPlus2}},
    {"Gauge4", meter},
    {"AbLED1", {K::Led, F::Own, 20}},
    {"LEDMeter1 Gauge2 Scope1 UpDown1 Bevel1 Bevel2", box},
    {"AbThermometer1", ownFont(8)},
    {"Panel1 Panel2 Panel4 Panel5 Panel6 Panel7 paneltemp GroupBox10", font},
    {"Panel3 Panel8", ownFont(12)},
    {"PodpisWykresLambda CzasTHLabel Label43 CzasTLLabel Label44 Label75 Label71 Label30 Label25 Label47 Label27 "
     "Label26 Label42",
     label},
    {"TranserrorLabel", {K::Label, F::DoubleSizeClass}},
    {"NagrywanieButton PokazNagranieButton NagrywanieLabel DiagnozaButton", ownFont(9)},
    // The chart's scale numbers and axis captions.
    {"WykresLambdaY1 WykresLambdaY2 WykresLambdaY3 WykresLambdaY4 WykresLambdaY5 WykresLambdaX Label28 Label48 "
     "Label49 Label50 Label51 Label52 Label53 Label67",
     ownLabel(8)},
    {"CheckBox39 CheckBox40 CheckBox41 CheckBox42 CheckBox10", {K::CheckBox, F::Own, 9}},
    {"SpeedButton4 GroupBox11", ownFont(9)},

    // Adaptation page and its steps.
    {"Label11", ownLabel(18)},
    {"Label66 Label29 Label74 Label89 Label90", ownLabel(20)},
    {"Label105 WlCzujtTempAd Label106 Label56 Label107 Label87 Label84 Label108 NastapiloPrzejscieBGLABEL Label109 "
     "Label70 Label76 KomunikatKoncowy",
     heading},
    {"SRCheckBox1Label srcheckbox2Label SRCheckBox3Label SRCheckBox4Label SRCheckBox5Label SRCheckBox6Label "
     "SRCheckBox7Label SRCheckbox8Label srcheckbox9Label",
     ownLabel(14)},
    {"ComboTerm", ownFont(14)},
    {"SRCheckBox3 SRCheckBox4 SRCheckBox5 SRCheckBox6 SRCheckBox7", movedOnly},
    {"SRCheckBox1 srcheckbox2 SRCheckbox8 srcheckbox9 SRCheckBox10 SRCheckBox11 WlCzujtTempCheckAd", checkBox},
    {"termbutton tpsbutton CofnijAD2 SondButton CofnijAD3 ParSamButton CofnijAD4 OczkaButton CofnijAD5 "
     "przedreduktbutton CofnijAD6 RRbutton CofnijAD7 MinMaxButton CofnijAD8 AdaptTherm PanelTerm Adapt2PanelObr "
     "TPSdolny TPSgorny TPSprog Adapt4PanelObr PUboga PBogata PProg PanellPrzedRed PanelObrMinMax PanelMin PanelMax "
     "PanelStart",
     font},
    {"ObrTerm AdaptObr1 ObrSondy ObrPrzedRed ObrMinMax", meter},
    {"AbDBLED4 LED1 LedPrzedRed LedRR LedMin LedMax", led},
    {"Label59 Label60 Label61 Label80 Label81 Label82 Label62 Label63 Label64 Label65 Ad4LabelV SRCheckBox10Label "
     "SRCheckBox11Label Label68 Label69 Label72 Label73 Label88 Label78 Label79",
     label},
    {"miernik lambdabar LambdabarRR LambdaBarObr1 LambdaBarObr2 Image4 Image5 Image6 Image7", box},

    // Printing page.
    {"GroupBox17 GroupBox18 DrukujButt", font},
    {"LabelPS Napis01 Napis02 Napis03 Napis04 Napis05 Napis06 Napis07 Napis08 Napis09 Napis10 Napis11 Napis12 "
     "Napis13 Napis14 Napis15 Napis16 Napis17 Napis18 Napis19 Napis20 Napis21 Napis22 Napis23 Par01 Par02 Par03 "
     "Par04 Par05 Par06 Par07 Par08 Par09 Par10 Par11_1 Par11_2 Par12 Par13_1 Par13_2 Par14 Par15 Par16 Par17 Par18 "
     "Par19 Par20 Par21 Par22 Par23",
     label},
};

} // namespace

const ScaleRule *scaleRule(const QString &name)
{
    static const QHash<QString, ScaleRule> rules = [] {
        QHash<QString, ScaleRule> byName;
        for (const Names &group : groups) {
            for (const QString &control : QString::fromLatin1(group.names).split(u' '))
                byName.insert(control, group.rule);
        }
        return byName;
    }();
    const auto it = rules.constFind(name);
    return it == rules.constEnd() ? nullptr : &*it;
}

} // namespace qx
