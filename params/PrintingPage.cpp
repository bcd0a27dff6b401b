#include "PrintingPage.h"

#include "FittingLabel.h"
#include "PageSizeClass.h"
#include "WidgetFont.h"
#include "tabgradient.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace qx {

namespace {

// The page at the 800 × 600 design size, which the tab widget leaves 787 × 485:
// two groups of rows side by side, the heading and the button in the band
// above their first rows. Profiles rescale the groups and what is in them
// except the rows, which LayoutPrintout re-flows; so the groups are tall
// enough for the rows of the 640 profile at its 0.7 scale, and narrow enough
// for the 1152 page (1118 px) at its 1.468 scale.
constexpr int Margin = 8;
constexpr int GroupGap = 8;
constexpr int GroupWidth = 372;
constexpr int GroupHeight = 475;
constexpr int BandTop = 4;
constexpr int BandHeight = 24; // under the first row (48) at every scale up to 1.608
constexpr int HeadingWidth = 240;
constexpr int HeadingPt = 14;
constexpr int ButtonPt = 11;
constexpr int ButtonWidth = 120;
constexpr int GradientInset = 2; // the groups' frames stay visible
constexpr int GradientBandHeight = 30;

constexpr int RowsOfFirstGroup = 11;
constexpr int FirstRowTop = 48;
constexpr int CaptionX = 5;
constexpr int ValueOffset = 25; // values start this far right of the edit column
constexpr int LabelGap = 4;     // between a label and the next one in its row
constexpr int RowPadding = 6;   // a row is this much taller than its taller font
constexpr int RowClearance = 6; // and this much shorter than the pitch

bool hasSecondValue(int row)
{
    return row == 11 || row == 13;
}

// "Napis07", "Par11_1".
QString rowName(const char *prefix, int row, const char *suffix = "")
{
    return QLatin1String(prefix) + QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0')) + QLatin1String(suffix);
}

FittingLabel *rowLabel(QWidget *group, const QString &name, const QString &text)
{
    auto *label = new FittingLabel(text, group);
    label->setObjectName(name);
    return label;
}

// A background filling a band of a group, lowest in it.
void addGradient(QGroupBox *group, const char *name, int top, int height)
{
    auto *gradient = new TAbGradient(group);
    gradient->setObjectName(QLatin1String(name));
    gradient->setGeometry(GradientInset, top, GroupWidth - 2 * GradientInset, height);
    gradient->lower();
}

} // namespace

PrintingPage::PrintingPage(ParameterPrinter::TextSource texts, QWidget *parent)
    : QWidget(parent), printer_(std::move(texts))
{
    setObjectName(QStringLiteral("DrukowanieTab"));

    GroupBox17 = new QGroupBox(this);
    GroupBox17->setObjectName(QStringLiteral("GroupBox17"));
    GroupBox17->setGeometry(Margin, Margin, GroupWidth, GroupHeight);
    GroupBox18 = new QGroupBox(this);
    GroupBox18->setObjectName(QStringLiteral("GroupBox18"));
    GroupBox18->setGeometry(Margin + GroupWidth + GroupGap, Margin, GroupWidth, GroupHeight);

    LabelPS = new FittingLabel(QStringLiteral("Parametry systemu:"), GroupBox17);
    LabelPS->setObjectName(QStringLiteral("LabelPS"));
    setPointSize(*LabelPS, HeadingPt, true);
    LabelPS->setGeometry(Margin, BandTop, HeadingWidth, BandHeight);

    DrukujButt = new QPushButton(QStringLiteral("Drukuj"), GroupBox18);
    DrukujButt->setObjectName(QStringLiteral("DrukujButt"));
    setPointSize(*DrukujButt, ButtonPt);
    DrukujButt->setGeometry(GroupWidth - Margin - ButtonWidth, BandTop, ButtonWidth, BandHeight);
    connect(DrukujButt, &QPushButton::clicked, this, &PrintingPage::DrukujButtClick);

    // Each group: one gradient behind its heading band, one behind its rows.
    const int rowsTop = GradientInset + GradientBandHeight;
    const int rowsHeight = GroupHeight - GradientInset - rowsTop;
    addGradient(GroupBox17, "AbGradient34", GradientInset, GradientBandHeight);
    addGradient(GroupBox18, "AbGradient35", GradientInset, GradientBandHeight);
    addGradient(GroupBox17, "AbGradient36", rowsTop, rowsHeight);
    addGradient(GroupBox18, "AbGradient37", rowsTop, rowsHeight);

    // Captions stay empty until the window gives them; values show their own
    // names until there are parameters to show.
    for (int row = 1; row <= SheetRows; ++row) {
        QGroupBox *group = row <= RowsOfFirstGroup ? GroupBox17 : GroupBox18;
        const size_t i = size_t(row - 1);
        captions_[i] = rowLabel(group, rowName("Napis", row), QString());
        if (hasSecondValue(row)) {
            const QString name = rowName("Par", row, "_1");
            values_[i] = rowLabel(group, name, name);
            const QString second = rowName("Par", row, "_2");
            secondValues_[i] = rowLabel(group, second, second);
        } else {
            const QString name = rowName("Par", row);
            values_[i] = rowLabel(group, name, name);
        }
    }
    LayoutPrintout(12, 236);
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

void PrintingPage::LayoutPrintout(int sizeClass, int editColumn)
{
    const PageSizeClass &sizes = pageSizeClass(sizeClass);
    const int valueLeft = editColumn + ValueOffset;
    const int secondLeft = valueLeft + sizes.printSecondValueOffset;
    for (size_t i = 0; i < captions_.size(); ++i) {
        setFamilyFont(*captions_[i], NarrowFamily, sizes.captionPt);
        setFamilyFont(*values_[i], NarrowFamily, sizes.printValuePt);
        if (secondValues_[i])
            setFamilyFont(*secondValues_[i], NarrowFamily, sizes.printValuePt);
    }
    const int tallerFont = std::max(captions_[0]->fontMetrics().height(), values_[0]->fontMetrics().height());
    const int height = std::min(tallerFont + RowPadding, sizes.printRowPitch - RowClearance);

    for (int row = 1; row <= SheetRows; ++row) {
        const size_t i = size_t(row - 1);
        const int indexInGroup = row <= RowsOfFirstGroup ? row - 1 : row - 1 - RowsOfFirstGroup;
        const int top = FirstRowTop + indexInGroup * sizes.printRowPitch;
        captions_[i]->setGeometry(CaptionX, top, valueLeft - LabelGap - CaptionX, height);
        if (FittingLabel *second = secondValues_[i]) {
            values_[i]->setGeometry(valueLeft, top, secondLeft - LabelGap - valueLeft, height);
            second->setGeometry(secondLeft, top, sizes.printValueRight - secondLeft, height);
        } else {
            values_[i]->setGeometry(valueLeft, top, sizes.printValueRight - valueLeft, height);
        }
    }
}

const QStringList &PrintingPage::flowedControls()
{
    static const QStringList names = [] {
        QStringList all;
        for (int row = 1; row <= SheetRows; ++row) {
            all << rowName("Napis", row);
            if (hasSecondValue(row))
                all << rowName("Par", row, "_1") << rowName("Par", row, "_2");
            else
                all << rowName("Par", row);
        }
        return all;
    }();
    return names;
}

} // namespace qx
