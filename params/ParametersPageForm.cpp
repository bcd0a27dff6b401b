#include "ParametersPageForm.h"

namespace qx {

namespace {

PageRow listRow(PageMember<QLabel> caption, const char *text, PageMember<QComboBox> list, Param param,
                QStringList entries, ListFont font = ListFont::List)
{
    PageRow row{PageRowKind::List, caption, text, CaptionFont::Plain};
    row.list = list;
    row.entries = std::move(entries);
    row.listFont = font;
    row.param = param;
    return row;
}

PageRow fieldRow(PageMember<QLabel> caption, const char *text, PageMember<QLineEdit> field, Param param,
                 CaptionFont font = CaptionFont::Plain, const char *startText = "0")
{
    PageRow row{PageRowKind::Field, caption, text, font};
    row.field = field;
    row.param = param;
    row.startText = startText;
    return row;
}

PageRow pairRow(PageMember<QLabel> caption, const char *text, PageMember<QLineEdit> first, Param firstParam,
                PageMember<QLineEdit> second, Param secondParam)
{
    PageRow row = fieldRow(caption, text, first, firstParam);
    row.kind = PageRowKind::Pair;
    row.second = second;
    row.secondParam = secondParam;
    return row;
}

// A box whose caption label is the row's caption.
PageRow checkRow(PageMember<QLabel> caption, const char *text, PageMember<QCheckBox> box, Param param)
{
    PageRow row{PageRowKind::Check, caption, text, CaptionFont::Box};
    row.box = box;
    row.param = param;
    return row;
}

// A box with a caption of its own, in a row whose caption names the setting.
PageRow switchRow(PageMember<QLabel> caption, const char *text, PageMember<QCheckBox> box, Param param,
                  PageMember<QLabel> boxCaption, const char *boxText)
{
    PageRow row{PageRowKind::Check, caption, text, CaptionFont::Plain};
    row.box = box;
    row.param = param;
    row.boxCaption = boxCaption;
    row.boxText = boxText;
    return row;
}

} // namespace

const std::vector<PageGroup> &ParametersPageTables::pageGroups()
{
    static const std::vector<PageGroup> groups{
        {QX_NAMED(GroupBox20), PageColumn::Left, 115, {
            listRow(QX_NAMED(Label1), "Rodzaj sondy lambda", QX_NAMED(ComboBox1), P::ProbeVariant,
                    {"0 - 1 [V]", "0 - 5 [V]", "5 - 0 [V]", "0,8 - 1,6 [V]", "1 - 0 [V]"}),
            fieldRow(QX_NAMED(Label2), "Próg sondy lambda", QX_NAMED(Edit2), P::LambdaThreshold),
            pairRow(QX_NAMED(Label14), "Czas sondy Lambda", QX_NAMED(Edit13_1), P::LambdaLowTime,
                    QX_NAMED(Edit13_2), P::LambdaHighTime),
            checkRow(QX_NAMED(CheckBox13_3_Label), "Lambda - BOSCH", QX_NAMED(CheckBox13_3), P::BoschProbe),
        }},
        {QX_NAMED(GroupBox9), PageColumn::Left, 70, {
            listRow(QX_NAMED(Label4), "Typ czujnika TPS", QX_NAMED(ComboBox4), P::TpsType,
                    {"rosnący", "malejący"}),
            fieldRow(QX_NAMED(Label5), "Próg czujnika TPS", QX_NAMED(Edit5), P::TpsThresholdVolts),
        }},
        {QX_NAMED(GroupBox14), PageColumn::Left, 216, {
            fieldRow(QX_NAMED(Label6), "Silnik krok pow. TPS", QX_NAMED(Edit6), P::StepSpeedAboveTps),
            fieldRow(QX_NAMED(Label7), "Silnik krok pon. TPS", QX_NAMED(Edit7), P::StepSpeedBelowTps),
            pairRow(QX_NAMED(Label12), "Min. i Max. silnika krok.", QX_NAMED(Edit11_1), P::StepMin,
                    QX_NAMED(Edit11_2), P::StepMax),
            fieldRow(QX_NAMED(Label13), "Start. pow. silnika krok.", QX_NAMED(Edit12), P::StepStart),
            fieldRow(QX_NAMED(Label20), "Otwarcie silnika krokowego", QX_NAMED(Edit18), P::StepOpening,
                     CaptionFont::Long),
            switchRow(QX_NAMED(Label17), "Włączenie cutoff", QX_NAMED(CheckBox15), P::CutoffOn,
                      QX_NAMED(CheckBox15_Label), "Tak/Nie"),
            fieldRow(QX_NAMED(Label18), "Silnik krokowy przy cutoff", QX_NAMED(Edit16), P::CutoffStepLevel,
                     CaptionFont::Long),
            fieldRow(QX_NAMED(Label19), "Obroty silnika dla cutoff", QX_NAMED(Edit17), P::CutoffRpm),
        }},
        {QX_NAMED(GroupBox22), PageColumn::Right, 150, {
            fieldRow(QX_NAMED(Label3), "Obroty dla przejścia B/G", QX_NAMED(Edit3), P::SwitchRpm),
            fieldRow(QX_NAMED(Label21), "czas nakladania paliw", QX_NAMED(Edit19), P::SwitchDelay),
            fieldRow(QX_NAMED(Label16), "Opóźnienie startowe", QX_NAMED(Edit14), P::StartDelay),
            fieldRow(QX_NAMED(minprzelbgLabel), "Min temp przełączenia na gaz", QX_NAMED(Edit22_1),
                     P::SwitchTemperature),
            checkRow(QX_NAMED(checkbox22_2_label), "Włącz czujnik temp", QX_NAMED(CheckBox22_2), P::TempSensorBox),
        }},
        {QX_NAMED(GroupBox8), PageColumn::Right, 95, {
            listRow(QX_NAMED(Label9), "Rodzaj obrotów", QX_NAMED(ComboBox9), P::RpmKind,
                    {"rosnące", "malejące"}),
            fieldRow(QX_NAMED(Label10), "Delta obrotów", QX_NAMED(Edit10), P::RpmDelta),
            fieldRow(QX_NAMED(Label8), "Maksymalne obroty na gazie", QX_NAMED(Edit8_1), P::MaxGasRpm,
                     CaptionFont::Long, "5000"),
            checkRow(QX_NAMED(CheckBox8_2_label), "Wylacz max obr", QX_NAMED(CheckBox8_2), P::MaxGasRpmOff),
        }},
        {QX_NAMED(GroupBox21), PageColumn::Right, 70, {
            listRow(QX_NAMED(Label22), "Tryb pracy sterownika", QX_NAMED(ComboBox20), P::OperatingMode,
                    {"ekonomiczna", "dynamiczna"}),
            listRow(QX_NAMED(Label23), "Typ szkiełka rezerwy", QX_NAMED(ComboBox21), P::ReserveSensorType,
                    {"20K", "90R"}, ListFont::Field),
        }},
    };
    return groups;
}

const std::vector<PageCommand> &ParametersPageTables::commands()
{
    static const std::vector<PageCommand> commands{
        {QX_NAMED(ResButt), "Reset parametrów"},    {QX_NAMED(ZapButPic), "Zapisz parametry"},
        {QX_NAMED(odczButPic), "odczyt parametrów"},
        {QX_NAMED(OdczytButtPlik), "Odczyt Plik", QX_NAMED(PrzywrocButtPlik)},
        {QX_NAMED(ZapiszButtPlik), "zapisz do pliku", QX_NAMED(PorownajButtPlik)},
    };
    return commands;
}

const std::vector<PageReadout> &ParametersPageTables::readouts()
{
    static const std::vector<PageReadout> readouts{
        {QX_NAMED(ZmiennaLambda), QX_NAMED(LambdaLabel), "Lambda", 64},
        {QX_NAMED(ZmiennaTPS), QX_NAMED(ZmiennaTPSLabel), "TPS", 64},
        {QX_NAMED(ZmiennaTemperatura), QX_NAMED(ZmiennaTemperaturaLabel), "Temperatura", 84},
        {QX_NAMED(ZmiennaObroty), QX_NAMED(ZmiennaObrotyLabel), "Obroty", 72},
        {QX_NAMED(ZmiennaSilnikKrokowy), QX_NAMED(ZmiennaSilnikKrokowyLabel), "Silnik Krokowy", 96},
        {QX_NAMED(ZmiennaGazBenzyna), QX_NAMED(aktZasilanieLabel), "Aktualne zasilanie", 120},
    };
    return readouts;
}

} // namespace qx
