#include "ParametersPageForm.h"

namespace qx {

namespace {

PageRow listRow(PageMember<QLabel> caption, PageMember<QComboBox> list, ListFont font = ListFont::List)
{
    PageRow row{PageRowKind::List, caption, CaptionFont::Plain};
    row.list = list;
    row.listFont = font;
    return row;
}

PageRow fieldRow(PageMember<QLabel> caption, PageMember<QLineEdit> field, CaptionFont font = CaptionFont::Plain)
{
    PageRow row{PageRowKind::Field, caption, font};
    row.field = field;
    return row;
}

PageRow pairRow(PageMember<QLabel> caption, PageMember<QLineEdit> first, PageMember<QLineEdit> second)
{
    PageRow row = fieldRow(caption, first);
    row.kind = PageRowKind::Pair;
    row.second = second;
    return row;
}

// A box whose caption label is the row's caption.
PageRow checkRow(PageMember<QLabel> caption, PageMember<QCheckBox> box)
{
    PageRow row{PageRowKind::Check, caption, CaptionFont::Box};
    row.box = box;
    return row;
}

// A box with a caption of its own, in a row whose caption names the setting.
PageRow switchRow(PageMember<QLabel> caption, PageMember<QCheckBox> box, PageMember<QLabel> boxCaption,
                  const char *boxText)
{
    PageRow row{PageRowKind::Check, caption, CaptionFont::Plain};
    row.box = box;
    row.boxCaption = boxCaption;
    row.boxText = boxText;
    return row;
}

} // namespace

const std::vector<PageGroup> &ParametersPageTables::pageGroups()
{
    static const std::vector<PageGroup> groups{
        {QX_NAMED(GroupBox20), PageColumn::Left, 115, {
            listRow(QX_NAMED(Label1), QX_NAMED(ComboBox1)),
            fieldRow(QX_NAMED(Label2), QX_NAMED(Edit2)),
            pairRow(QX_NAMED(Label14), QX_NAMED(Edit13_1), QX_NAMED(Edit13_2)),
            checkRow(QX_NAMED(CheckBox13_3_Label), QX_NAMED(CheckBox13_3)),
        }},
        {QX_NAMED(GroupBox9), PageColumn::Left, 70, {
            listRow(QX_NAMED(Label4), QX_NAMED(ComboBox4)),
            fieldRow(QX_NAMED(Label5), QX_NAMED(Edit5)),
        }},
        {QX_NAMED(GroupBox14), PageColumn::Left, 216, {
            fieldRow(QX_NAMED(Label6), QX_NAMED(Edit6)),
            fieldRow(QX_NAMED(Label7), QX_NAMED(Edit7)),
            pairRow(QX_NAMED(Label12), QX_NAMED(Edit11_1), QX_NAMED(Edit11_2)),
            fieldRow(QX_NAMED(Label13), QX_NAMED(Edit12)),
            fieldRow(QX_NAMED(Label20), QX_NAMED(Edit18), CaptionFont::Long),
            switchRow(QX_NAMED(Label17), QX_NAMED(CheckBox15), QX_NAMED(CheckBox15_Label), "Tak/Nie"),
            fieldRow(QX_NAMED(Label18), QX_NAMED(Edit16), CaptionFont::Long),
            fieldRow(QX_NAMED(Label19), QX_NAMED(Edit17)),
        }},
        {QX_NAMED(GroupBox22), PageColumn::Right, 150, {
            fieldRow(QX_NAMED(Label3), QX_NAMED(Edit3)),
            fieldRow(QX_NAMED(Label21), QX_NAMED(Edit19)),
            fieldRow(QX_NAMED(Label16), QX_NAMED(Edit14)),
            fieldRow(QX_NAMED(minprzelbgLabel), QX_NAMED(Edit22_1)),
            checkRow(QX_NAMED(checkbox22_2_label), QX_NAMED(CheckBox22_2)),
        }},
        {QX_NAMED(GroupBox8), PageColumn::Right, 95, {
            listRow(QX_NAMED(Label9), QX_NAMED(ComboBox9)),
            fieldRow(QX_NAMED(Label10), QX_NAMED(Edit10)),
            fieldRow(QX_NAMED(Label8), QX_NAMED(Edit8_1), CaptionFont::Long),
            checkRow(QX_NAMED(CheckBox8_2_label), QX_NAMED(CheckBox8_2)),
        }},
        {QX_NAMED(GroupBox21), PageColumn::Right, 70, {
            listRow(QX_NAMED(Label22), QX_NAMED(ComboBox20)),
            listRow(QX_NAMED(Label23), QX_NAMED(ComboBox21), ListFont::Field),
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
