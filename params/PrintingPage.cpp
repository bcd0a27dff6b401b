#include "PrintingPage.h"

#include "FittingLabel.h"
#include "WidgetFont.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace qx {

namespace {

// The page at the 800 × 600 design size, which the tab widget leaves 787 × 485:
// the heading and the button along the top, the two groups of rows below.
constexpr int PageWidth = 787;
constexpr int PageHeight = 485;
constexpr int Margin = 8;
constexpr int TopBandTop = 6;
constexpr int TopBandHeight = 28;
constexpr int HeadingPt = 14;
constexpr int ButtonPt = 11;
constexpr int ButtonWidth = 120;

constexpr int GroupTop = TopBandTop + TopBandHeight + 6;
constexpr int GroupGap = 8;
constexpr int GroupWidth = (PageWidth - 2 * Margin - GroupGap) / 2;
constexpr int RowsOfFirstGroup = 11;
constexpr int FirstRowTop = 48;
constexpr int RowPitch = 33;
constexpr int RowHeight = 24;
constexpr int GroupHeight = FirstRowTop + (SheetRows - RowsOfFirstGroup - 1) * RowPitch + RowHeight + 6;
static_assert(GroupTop + GroupHeight <= PageHeight, "the longer group fits the page");

constexpr int CaptionX = 5;
constexpr int CaptionPt = 12;
constexpr int ValueX = 261;
constexpr int ValuePt = 10;
constexpr int SecondValueOffset = 60;
constexpr int LabelGap = 4; // between a label and the next one in its row
constexpr int ValueWidth = GroupWidth - CaptionX - ValueX;
constexpr int PairValueWidth = SecondValueOffset - LabelGap;

bool hasSecondValue(int row)
{
    return row == 11 || row == 13;
}

// "Napis07", "Par11_1".
QString rowName(const char *prefix, int row, const char *suffix = "")
{
    return QLatin1String(prefix) + QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0')) + QLatin1String(suffix);
}

FittingLabel *rowLabel(QWidget *group, const QString &name, const QString &text, int pointSize, const QRect &box)
{
    auto *label = new FittingLabel(text, group);
    label->setObjectName(name);
    setPointSize(*label, pointSize);
    label->setGeometry(box);
    return label;
}

} // namespace

PrintingPage::PrintingPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DrukowanieTab"));

    LabelPS = new FittingLabel(QStringLiteral("Parametry systemu:"), this);
    LabelPS->setObjectName(QStringLiteral("LabelPS"));
    setPointSize(*LabelPS, HeadingPt, true);
    LabelPS->setGeometry(Margin, TopBandTop, PageWidth - 2 * Margin - ButtonWidth - GroupGap, TopBandHeight);

    DrukujButt = new QPushButton(QStringLiteral("Drukuj"), this);
    DrukujButt->setObjectName(QStringLiteral("DrukujButt"));
    setPointSize(*DrukujButt, ButtonPt);
    DrukujButt->setGeometry(PageWidth - Margin - ButtonWidth, TopBandTop, ButtonWidth, TopBandHeight);
    connect(DrukujButt, &QPushButton::clicked, this, &PrintingPage::DrukujButtClick);

    GroupBox17 = new QGroupBox(this);
    GroupBox17->setObjectName(QStringLiteral("GroupBox17"));
    GroupBox17->setGeometry(Margin, GroupTop, GroupWidth, GroupHeight);
    GroupBox18 = new QGroupBox(this);
    GroupBox18->setObjectName(QStringLiteral("GroupBox18"));
    GroupBox18->setGeometry(Margin + GroupWidth + GroupGap, GroupTop, GroupWidth, GroupHeight);

    // Captions stay empty until the window gives them; values show their own
    // names until there are parameters to show.
    for (int row = 1; row <= SheetRows; ++row) {
        const bool first = row <= RowsOfFirstGroup;
        QGroupBox *group = first ? GroupBox17 : GroupBox18;
        const int top = FirstRowTop + (first ? row - 1 : row - 1 - RowsOfFirstGroup) * RowPitch;
        const size_t i = size_t(row - 1);
        captions_[i] = rowLabel(group, rowName("Napis", row), QString(), CaptionPt,
                                {CaptionX, top, ValueX - LabelGap - CaptionX, RowHeight});
        if (hasSecondValue(row)) {
            const QString name = rowName("Par", row, "_1");
            values_[i] = rowLabel(group, name, name, ValuePt, {ValueX, top, PairValueWidth, RowHeight});
            const QString second = rowName("Par", row, "_2");
            secondValues_[i] = rowLabel(group, second, second, ValuePt,
                                        {ValueX + SecondValueOffset, top, PairValueWidth, RowHeight});
        } else {
            const QString name = rowName("Par", row);
            values_[i] = rowLabel(group, name, name, ValuePt, {ValueX, top, ValueWidth, RowHeight});
        }
    }
}

void PrintingPage::setHeading(const QString &text)
{
    LabelPS->setText(text);
}

void PrintingPage::setCaption(int row, const QString &text)
{
    if (isRow(row))
        captions_[size_t(row - 1)]->setText(text);
}

void PrintingPage::setValues(int row, const QString &value, const std::optional<QString> &second)
{
    if (!isRow(row))
        return;
    values_[size_t(row - 1)]->setText(value);
    if (FittingLabel *secondValue = secondValues_[size_t(row - 1)]; secondValue && second)
        secondValue->setText(*second);
}

ParameterSheetTexts PrintingPage::sheetTexts() const
{
    ParameterSheetTexts texts;
    texts.heading = LabelPS->text();
    for (size_t i = 0; i < texts.rows.size(); ++i) {
        SheetRow &row = texts.rows[i];
        row.caption = captions_[i]->text();
        row.value = values_[i]->text();
        if (secondValues_[i])
            row.secondValue = secondValues_[i]->text();
    }
    return texts;
}

void PrintingPage::DrukujButtClick()
{
    PrintParameters();
}

bool PrintingPage::PrintParameters()
{
    return printer_.PrintParameters(sheetTexts());
}

} // namespace qx

namespace qx {

void PrintingPage::LayoutPrintout(int, int) {}

const QStringList &PrintingPage::flowedControls()
{
    static const QStringList none;
    return none;
}

} // namespace qx
