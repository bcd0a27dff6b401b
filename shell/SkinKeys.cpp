#include "SkinKeys.h"

#include <algorithm>

namespace qx {

namespace {

using P = SkinProperty;

// Three patterned groups: gradients (key shown, key + 1 start, key + 2 end),
// coloured buttons (text, face, hover) and input fields (text, background).
struct Group
{
    int key;
    const char *control;
};

constexpr Group gradients[] = {
    {10000, "AbGradient4"}, {10003, "AbGradient5"}, {10006, "AbGradient1"}, {11100, "AbGradient25"},
    {11200, "AbGradient26"}, {11400, "AbGradient28"}, {11500, "AbGradient29"}, {11700, "AbGradient31"},
    {11800, "AbGradient32"}, {12000, "AbGradient23"}, {12100, "AbGradient24"}, {12110, "AbGradientPanelDol"},
    {17600, "AbGradient2"}, {17700, "AbGradient3"}, {18300, "AbGradient6"}, {18400, "AbGradient7"},
    {18700, "AbGradient9"}, {18800, "AbGradient16"}, {19106, "AbGradientTPSRamka"}, {19200, "AbGradient10"},
    {19300, "AbGradient17"}, {19606, "AbGradientSonda"}, {19700, "AbGradient11"}, {19800, "AbGradient18"},
    {19907, "AbGradientParS1"}, {19910, "AbGradientParS2"}, {19913, "AbGradientParS3"},
    {19924, "AbGradientKoniec"}, {20000, "AbGradient12"}, {20100, "AbGradient19"}, {20600, "AbGradient13"},
    {20700, "AbGradient20"}, {21000, "AbGradient14"}, {21100, "AbGradient21"}, {21400, "AbGradient15"},
    {21500, "AbGradient22"}, {22000, "AbGradient8"}, {22100, "AbGradient34"}, {22200, "AbGradient35"},
    {22300, "AbGradient36"}, {22400, "AbGradient37"},
};

constexpr Group buttons[] = {
    {17100, "ResButt"}, {17200, "ZapButPic"}, {17300, "odczButPic"}, {17400, "OdczytButtPlik PrzywrocButtPlik"},
    {17500, "ZapiszButtPlik PorownajButtPlik"}, {18600, "termbutton"}, {19100, "tpsbutton"}, {19103, "CofnijAD2"},
    {19600, "SondButton"}, {19603, "CofnijAD3"}, {19900, "ParSamButton"}, {19903, "CofnijAD4"},
    {20300, "OczkaButton"}, {20303, "CofnijAD5"}, {20900, "przedreduktbutton"}, {20903, "CofnijAD6"},
    {21300, "RRbutton"}, {21303, "CofnijAD7"}, {21900, "MinMaxButton"}, {21903, "CofnijAD8"},
    {27300, "DrukujButt"},
};

constexpr Group fields[] = {
    {14800, "ComboBox1"}, {14900, "ComboBox4"}, {15000, "ComboBox9"}, {15100, "ComboBox20"},
    {15200, "ComboBox21"}, {15300, "Edit2"}, {15400, "Edit3"}, {15500, "Edit5"}, {15600, "Edit6"},
    {15700, "Edit7"}, {15800, "Edit8_1"}, {15900, "Edit10"}, {16000, "Edit11_1"}, {16100, "Edit11_2"},
    {16200, "Edit12"}, {16300, "Edit14"}, {16400, "Edit13_1"}, {16500, "Edit13_2"}, {16600, "Edit16"},
    {16700, "Edit17"}, {16800, "Edit18"}, {16900, "Edit19"}, {17000, "Edit22_1"},
};

// Keys of their own; the controls are separated by spaces.
struct Single
{
    int key;
    const char *controls;
};

constexpr Single textColours[] = {
    {10009, "Label91"}, {10011, "info"}, {10012, "WyborUkladuLabel"}, {12201, "Label1"}, {12301, "Label2"},
    {12401, "Label3"}, {12501, "Label4"}, {12601, "Label5"}, {12701, "Label6"}, {12801, "Label7"},
    {12901, "Label8"}, {13001, "Label9"}, {13101, "Label10"}, {13201, "Label12"}, {13301, "Label13"},
    {13401, "Label14"}, {13501, "Label16"}, {13601, "Label17"}, {13701, "Label18"}, {13801, "Label19"},
    {13901, "Label20"}, {14001, "Label21"}, {14101, "Label22"}, {14201, "Label23"}, {14202, "minprzelbgLabel"},
    {14401, "CheckBox8_2_label"}, {14501, "CheckBox13_3_Label"}, {14601, "checkbox22_2_label"},
    {14701, "CheckBox15_Label"}, {17503, "WylaczkomentarzeCheckLabel"}, {18202, "Label26"}, {18203, "Label42"},
    {18204, "Label25"}, {18205, "Label75"}, {18206, "AbLED1"}, {18207, "Label30"}, {18208, "Label71"},
    {18209, "Label47"}, {18210, "Label27"}, {18212, "obrotomierz"}, {18213, "Label67"}, {18214, "Label28"},
    {18215, "WykresLambdaX"}, {18218, "PodpisWykresLambda"}, {18221, "Gauge4"}, {18227, "Label52"},
    {18228, "Label53"}, {18229, "Label52"}, {18230, "Label51"}, {18231, "Label50"}, {18232, "Label49"},
    {18233, "Label48"}, {18501, "Label105"}, {18502, "WlCzujtTempAd"}, {18901, "Label106"}, {19001, "Label56"},
    {19109, "Label59 Label60 Label61 Label80 Label81 Label82"}, {19401, "Label107"}, {19501, "Label87"},
    {19609, "Label62 Label63 Label64"}, {19906, "Label89"}, {19916, "Label66"}, {19917, "Label29"},
    {19918, "Label74"}, {20201, "Label84"}, {20401, "SRCheckBox10"}, {20501, "SRCheckBox11"},
    {20502, "Label90"}, {20801, "Label108"}, {20802, "NastapiloPrzejscieBGLABEL"}, {21201, "Label109"},
    {21601, "Label70"}, {21701, "Label76"}, {22050, "Label11"}, {22501, "LabelPS"}, {22601, "Napis01"},
    {22701, "Napis02"}, {22801, "Napis03"}, {22901, "Napis04"}, {23001, "Napis05"}, {23101, "Napis06"},
    {23201, "Napis07"}, {23301, "Napis08"}, {23401, "Napis09"}, {23501, "Napis10"}, {23601, "Napis11"},
    {23701, "Napis12"}, {23801, "Napis13"}, {23901, "Napis14"}, {24001, "Napis15"}, {24101, "Napis16"},
    {24201, "Napis17"}, {24301, "Napis18"}, {24401, "Napis19"}, {24501, "Napis20"}, {24601, "Napis21"},
    {24701, "Napis22"}, {24801, "Napis23"}, {24901, "Par01"}, {25001, "Par02"}, {25101, "Par04"},
    {25201, "Par05"}, {25301, "Par06"}, {25401, "Par07"}, {25501, "Par08"}, {25601, "Par09"}, {25701, "Par10"},
    {25801, "Par11_1"}, {25901, "Par11_2"}, {26001, "Par12"}, {26101, "Par13_1"}, {26201, "Par13_2"},
    {26301, "Par14"}, {26401, "Par15"}, {26501, "Par16"}, {26601, "Par17"}, {26701, "Par18"}, {26801, "Par19"},
    {26901, "Par20"}, {27001, "Par21"}, {27101, "Par22"}, {27201, "Par23"}, {27401, "Par03"},
};

constexpr Single backgrounds[] = {
    {17801, "Panel2"}, {17901, "Panel3"}, {18001, "Panel7"}, {18101, "Panel8"}, {18201, "GroupBox10"},
    {19919, "SRCheckBox3"}, {19920, "SRCheckBox4"}, {19921, "SRCheckBox5"}, {19922, "SRCheckBox6"},
    {19923, "SRCheckBox7"}, {21801, "KomunikatKoncowy"},
};

constexpr Single meterUnits[] = {{18211, "Gauge4"}, {18220, "obrotomierz"}};

constexpr Single meterScales[] = {
    {18216, "Gauge4"}, {18217, "obrotomierz"}, {18236, "ObrTerm"}, {18237, "AdaptObr1"},
    {18238, "ObrSondy"}, {18239, "ObrPrzedRed"}, {18240, "ObrMinMax"},
};

constexpr Single traceColours[] = {{18219, "Scope1"}};
constexpr Single captionBackgrounds[] = {{10010, ""}};

} // namespace

const QList<SkinKey> &skinKeyTable()
{
    static const QList<SkinKey> table = [] {
        QList<SkinKey> t;
        const auto add = [&t](int key, P property, const char *controls) {
            t.append({key, property, QString::fromLatin1(controls).split(u' ', Qt::SkipEmptyParts)});
        };
        const auto addGroups = [&](const auto &groups, std::initializer_list<P> properties) {
            for (const Group &g : groups) {
                int key = g.key;
                for (P property : properties)
                    add(key++, property, g.control);
            }
        };
        const auto addSingles = [&](const auto &singles, P property) {
            for (const Single &s : singles)
                add(s.key, property, s.controls);
        };
        addGroups(gradients, {P::GradientShown, P::GradientStart, P::GradientEnd});
        addGroups(buttons, {P::ButtonText, P::ButtonFace, P::ButtonHover});
        addGroups(fields, {P::FieldText, P::FieldBackground});
        addSingles(textColours, P::TextColour);
        addSingles(backgrounds, P::Background);
        addSingles(meterUnits, P::MeterUnitColour);
        addSingles(meterScales, P::MeterScaleColour);
        addSingles(traceColours, P::TraceColourD);
        addSingles(captionBackgrounds, P::CaptionBackground);
        std::sort(t.begin(), t.end(), [](const SkinKey &a, const SkinKey &b) { return a.key < b.key; });
        return t;
    }();
    return table;
}

const SkinKey *findSkinKey(int key)
{
    const QList<SkinKey> &table = skinKeyTable();
    const auto it = std::lower_bound(table.begin(), table.end(), key,
                                     [](const SkinKey &k, int wanted) { return k.key < wanted; });
    return it != table.end() && it->key == key ? &*it : nullptr;
}

const QStringList &captionBackgroundControls()
{
    static const QStringList names{
        "Label1",  "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",
        "Label8",  "Label9",  "Label10", "Label12", "Label13", "Label16", "Label14",
        "Label17", "Label18", "Label19", "Label20", "Label21", "Label22", "Label23",
        "CheckBox8_2_label", "CheckBox13_3_Label", "CheckBox15_Label", "CheckBox22_2",
    };
    return names;
}

} // namespace qx
