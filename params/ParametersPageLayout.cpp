// The page in every size class: two columns of groups, the commands under the
// right column, the comment line and the live strip; all of it re-flowed by
// LayoutParameterPage, so profiles never rescale these controls.
#include "CommandPictures.h"
#include "FittingLabel.h"
#include "PageSizeClass.h"
#include "PageStyle.h"
#include "ParameterCatalogue.h"
#include "ParametersPage.h"
#include "ParametersPageForm.h"
#include "Rounding.h"
#include "WidgetFont.h"
#include "presets.h"
#include "tabgradient.h"
#include "tledmeter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtMath>

#include <algorithm>

namespace qx {

namespace {

constexpr double RightColumnShare = 0.43859649122807017543;
constexpr int CaptionLeft = 5;
constexpr int CaptionGap = 4;     // at least this between a caption and its control
constexpr int GroupInset = 4;     // controls end this far inside the group's right edge
constexpr int ControlPadding = 6; // a field or list is this much taller than its font's line
constexpr int FieldFrame = 12;    // a field's frame and margins beside its digits
constexpr int PairGap = 3;
constexpr int BoxWidth = 16;
constexpr int PageMargin = 4;
constexpr int CommentsCaptionOffset = 20;
constexpr int CommentsCaptionWidth = 100;
constexpr int CompanionPadding = 3; // a picture button's picture inside its square
constexpr int GradientMargin = 2; // the strip's background reaches this far past it

// Live strip: widths at the 10 pt strip of the 800 × 600 design, grown with
// the strip's font.
constexpr double StripBasePt = 10.0;
constexpr int StripGap = 3;
constexpr int PanelPadding = 2;
constexpr int LedMeterBaseWidth = 150;
constexpr int LedMeterGap = 4;
constexpr int LedMeterColumnHeight = 10;

const std::vector<PageCommand> &Commands = ParametersPageTables::commands();
const std::vector<PageReadout> &Readouts = ParametersPageTables::readouts();

template <class T, class... Args>
T *createNamed(ParametersPage *page, const PageMember<T> &named, QWidget *parent, Args &&...args)
{
    auto *widget = new T(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(named.name));
    page->*named.member = widget;
    return widget;
}

QLabel *createLabel(ParametersPage *page, const PageMember<QLabel> &named, QWidget *parent, const char *text)
{
    return createNamed(page, named, parent, QString::fromUtf8(text));
}

// No maximum length here: QLineEdit would cut texts set by code as well, and a
// read may show more digits than the fitter may type.
void createField(ParametersPage *page, const PageMember<QLineEdit> &named, QWidget *group, const char *text)
{
    createNamed(page, named, group, QLatin1String(text))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

const ParameterEntry &entryOf(const char *controlName)
{
    return *catalogueEntryOfControl(QLatin1String(controlName));
}

int captionPoints(const PageSizeClass &sizes, CaptionFont font)
{
    switch (font) {
    case CaptionFont::Long: return sizes.longCaptionPt;
    case CaptionFont::Box: return sizes.boxCaptionPt;
    default: return sizes.captionPt;
    }
}

int controlHeight(const QWidget &control)
{
    return control.fontMetrics().height() + ControlPadding;
}

// Gives a row's controls the fonts of the size class and returns the row's
// height: the tallest of its caption and controls.
int styleRow(ParametersPage *page, const PageRow &row, const PageSizeClass &sizes, bool bold)
{
    QLabel *caption = page->*row.caption.member;
    setFamilyFont(*caption, NarrowFamily, captionPoints(sizes, row.captionFont), bold);
    int height = caption->fontMetrics().height();
    switch (row.kind) {
    case PageRowKind::List: {
        QComboBox *list = page->*row.list.member;
        setPointSize(*list, row.listFont == ListFont::List ? sizes.listPt : sizes.fieldPt);
        return std::max(height, controlHeight(*list));
    }
    case PageRowKind::Pair:
        setPointSize(*(page->*row.second.member), sizes.fieldPt);
        [[fallthrough]];
    case PageRowKind::Field: {
        QLineEdit *field = page->*row.field.member;
        setPointSize(*field, sizes.fieldPt);
        return std::max(height, controlHeight(*field));
    }
    case PageRowKind::Check:
        height = std::max(height, (page->*row.box.member)->sizeHint().height());
        if (row.boxCaption.member) {
            QLabel *boxCaption = page->*row.boxCaption.member;
            setFamilyFont(*boxCaption, NarrowFamily, sizes.boxCaptionPt, bold);
            height = std::max(height, boxCaption->fontMetrics().height());
        }
        return height;
    }
    return height;
}

// Tops of rows spread evenly over a group: the same space above, between and
// below them.
std::vector<int> spreadRows(const std::vector<int> &heights, int groupHeight)
{
    int used = 0;
    for (int height : heights)
        used += height;
    const int slack = groupHeight - used;
    const int gaps = int(heights.size()) + 1;
    std::vector<int> tops;
    int top = 0;
    for (size_t i = 0; i < heights.size(); ++i) {
        top += slack * int(i + 1) / gaps - slack * int(i) / gaps;
        tops.push_back(top);
        top += heights[i];
    }
    return tops;
}

// Controls start at the edit column; one that needs more room than the column
// leaves ends at the group's right instead, and its caption gives way.
void placeRow(ParametersPage *page, const PageRow &row, int top, int height, int editColumn, int right)
{
    int controlsLeft = editColumn;
    switch (row.kind) {
    case PageRowKind::List: {
        QComboBox *list = page->*row.list.member;
        controlsLeft = std::min(editColumn, right - list->sizeHint().width());
        list->setGeometry(controlsLeft, top, right - controlsLeft, height);
        break;
    }
    case PageRowKind::Field: {
        QLineEdit *field = page->*row.field.member;
        const int width = field->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + FieldFrame;
        controlsLeft = std::min(editColumn, right - width);
        field->setGeometry(controlsLeft, top, width, height);
        break;
    }
    case PageRowKind::Pair: {
        QLineEdit *first = page->*row.field.member;
        const int width = first->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + FieldFrame;
        controlsLeft = std::min(editColumn, right - 2 * width - PairGap);
        first->setGeometry(controlsLeft, top, width, height);
        (page->*row.second.member)->setGeometry(controlsLeft + width + PairGap, top, width, height);
        break;
    }
    case PageRowKind::Check:
        (page->*row.box.member)->setGeometry(editColumn, top, BoxWidth, height);
        if (row.boxCaption.member) {
            const int left = editColumn + BoxWidth + CaptionGap;
            (page->*row.boxCaption.member)->setGeometry(left, top, right - left, height);
        }
        break;
    }
    (page->*row.caption.member)->setGeometry(CaptionLeft, top, controlsLeft - CaptionGap - CaptionLeft, height);
}

TAbGradient *createGradient(QWidget *page, const char *name)
{
    auto *gradient = new TAbGradient(page);
    gradient->setObjectName(QLatin1String(name));
    return gradient;
}

} // namespace

void ParametersPage::buildGroups()
{
    for (const PageGroup &entry : ParametersPageTables::pageGroups()) {
        QGroupBox *group = createNamed(this, entry.box, this);
        for (const PageRow &row : entry.rows) {
            const ParameterEntry &shown = entryOf(row.controlName());
            createLabel(this, row.caption, group, shown.captionText);
            if (row.list.member)
                createNamed(this, row.list, group)->addItems(shown.entries);
            if (row.field.member)
                createField(this, row.field, group, shown.startText);
            if (row.second.member)
                createField(this, row.second, group, entryOf(row.second.name).startText);
            if (row.box.member)
                createNamed(this, row.box, group);
            if (row.boxCaption.member)
                createLabel(this, row.boxCaption, group, row.boxText);
        }
    }
}

void ParametersPage::buildCommands()
{
    for (const PageCommand &command : Commands) {
        createNamed(this, command.button, this, QString::fromUtf8(command.text));
        if (command.companion.member)
            createNamed(this, command.companion, this);
    }
    PrzywrocButtPlik->setIcon(asFoundPicture());
    PrzywrocButtPlik->setToolTip(QStringLiteral("Przywróć ustawienia zastane"));
    PorownajButtPlik->setIcon(comparisonPicture());
    PorownajButtPlik->setToolTip(QStringLiteral("Porównaj"));
    connect(ZapButPic, &QPushButton::clicked, this, &ParametersPage::ZapButPicClicked);
    connect(ResButt, &QPushButton::clicked, this, &ParametersPage::ResButtClicked);
    connect(odczButPic, &QPushButton::clicked, this, &ParametersPage::odczButPicClicked);

    const PageMember<QCheckBox> commentsBox = QX_NAMED(WylaczkomentarzeCheck);
    createNamed(this, commentsBox, this);
    createLabel(this, QX_NAMED(WylaczkomentarzeCheckLabel), this, "Wylacz komentarze");
}

void ParametersPage::buildCommentLineAndStrip()
{
    info = new FittingLabel(this);
    info->setObjectName(QStringLiteral("info"));
    info->setTextFormat(Qt::PlainText);
    QPalette red = info->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    info->setPalette(red);

    for (const PageReadout &r : Readouts) {
        createLabel(this, r.caption, this, r.text);
        QLabel *panel = createNamed(this, r.value, this);
        panel->setAlignment(Qt::AlignCenter);
        if (panel != ZmiennaGazBenzyna)
            pagestyle::setReadoutLook(*panel);
    }
    LEDMeter2 = new TLEDMeter(this);
    LEDMeter2->setObjectName(QStringLiteral("LEDMeter2"));
    Presets::lambdaLedMeter(*LEDMeter2);
    LEDMeter2->setDirection(TLEDMeter::mdRight);
    ZmiennaLambda->setText(QStringLiteral("0"));
    ZmiennaPoziomGazuLabel = new QLabel(QStringLiteral("Poziom Gazu"), this);
    ZmiennaPoziomGazuLabel->setObjectName(QStringLiteral("ZmiennaPoziomGazuLabel"));
    ZmiennaPoziomGazuLabel->hide();

    // Fuel in use is told by the colour of its word (red petrol, green gas),
    // which wants a light ground.
    ZmiennaGazBenzyna->setText(QStringLiteral("Benzyna"));
    ZmiennaGazBenzyna->setFrameShape(QFrame::Panel);
    ZmiennaGazBenzyna->setFrameShadow(QFrame::Sunken);
    ZmiennaGazBenzyna->setAutoFillBackground(true);
    QPalette fuel = ZmiennaGazBenzyna->palette();
    fuel.setColor(QPalette::Window, Qt::white);
    fuel.setColor(QPalette::WindowText, Qt::red);
    ZmiennaGazBenzyna->setPalette(fuel);

    // Lowest of all: one gradient under the whole page, one under the live
    // strip; labels over them draw no background of their own.
    AbGradient3 = createGradient(this, "AbGradient3");
    AbGradient3->lower();
    AbGradient2 = createGradient(this, "AbGradient2");
    AbGradient2->lower();
}

void ParametersPage::LayoutParameterPage(int sizeClass, int editColumn, int groupWidth, int width)
{
    const PageSizeClass &sizes = pageSizeClass(sizeClass);
    const int rightColumnX = int(roundHalfEven(width * RightColumnShare));
    layoutGroups(sizes, editColumn, groupWidth, rightColumnX);
    layoutCommands(sizes, rightColumnX);
    const QRect strip = layoutCommentLineAndStrip(sizes, rightColumnX, groupWidth, width);

    const QRect page(QPoint(0, 0), parametersPageArea(width));
    AbGradient3->setGeometry(strip.adjusted(-GradientMargin, -GradientMargin, GradientMargin, GradientMargin) & page);
}

void ParametersPage::layoutGroups(const PageSizeClass &sizes, int editColumn, int groupWidth, int rightColumnX)
{
    const int columnX[] = {sizes.leftColumnX, rightColumnX};
    const int gaps[] = {sizes.leftGap, sizes.rightGap};
    const std::array<int, 3> *fixedTops[] = {&sizes.leftTops, &sizes.rightTops};
    int nextTop[] = {0, 0};
    size_t placed[] = {0, 0};
    for (const PageGroup &entry : ParametersPageTables::pageGroups()) {
        const int column = entry.column == PageColumn::Left ? 0 : 1;
        int height = int(roundHalfEven(sizes.groupHeightFactor * entry.designHeight));
        int top = nextTop[column];
        if (sizes.fixedTops) {
            // Fixed tops closer than a box is tall: the box ends where the next begins.
            const std::array<int, 3> &tops = *fixedTops[column];
            const size_t i = placed[column]++;
            top = tops[i];
            if (i + 1 < tops.size())
                height = std::min(height, tops[i + 1] - top);
        }
        nextTop[column] = top + height + gaps[column];
        (this->*entry.box.member)->setGeometry(columnX[column], top, groupWidth, height);

        std::vector<int> heights;
        for (const PageRow &row : entry.rows)
            heights.push_back(styleRow(this, row, sizes, captionsBold_));
        const std::vector<int> tops = spreadRows(heights, height);
        for (size_t i = 0; i < entry.rows.size(); ++i)
            placeRow(this, entry.rows[i], tops[i], heights[i], editColumn, groupWidth - GroupInset);
    }
}

void ParametersPage::layoutCommands(const PageSizeClass &sizes, int rightColumnX)
{
    const int top = GroupBox21->geometry().bottom() + 1 + sizes.commandGap;
    auto cell = [&](int index) {
        return QRect(rightColumnX + (index % sizes.commandColumns) * (sizes.commandWidth + sizes.commandGap),
                     top + (index / sizes.commandColumns) * (sizes.commandHeight + sizes.commandGap),
                     sizes.commandWidth, sizes.commandHeight);
    };
    int index = 0;
    for (const PageCommand &command : Commands) {
        QPushButton *button = this->*command.button.member;
        setPointSize(*button, sizes.commandPt);
        QRect box = cell(index++);
        if (command.companion.member) {
            const QRect square(box.right() + 1 - box.height(), box.top(), box.height(), box.height());
            QPushButton *companion = this->*command.companion.member;
            companion->setGeometry(square);
            const int picture = box.height() - 2 * CompanionPadding;
            companion->setIconSize(QSize(picture, picture));
            box.setRight(square.left() - 1 - sizes.commandGap);
        }
        button->setGeometry(box);
    }
    // The comments box takes the cell after the last command.
    const QRect comments = cell(index);
    WylaczkomentarzeCheck->setGeometry(comments.left(), comments.top(), BoxWidth, comments.height());
    setFamilyFont(*WylaczkomentarzeCheckLabel, NarrowFamily, sizes.commentsCaptionPt);
    WylaczkomentarzeCheckLabel->setGeometry(comments.left() + CommentsCaptionOffset, comments.top(),
                                            CommentsCaptionWidth, comments.height());
}

QRect ParametersPage::layoutCommentLineAndStrip(const PageSizeClass &sizes, int rightColumnX, int groupWidth,
                                                int width)
{
    const QSize page = parametersPageArea(width);
    const int right = page.width() - PageMargin;
    const int bottom = page.height() - PageMargin / 2;
    // The captions' narrow family: in the small profiles the comment line is
    // only the right column wide, and help texts run long.
    setFamilyFont(*info, NarrowFamily, sizes.infoPt, true);
    // A line's height in whole pixels, rounded up as a label asks for it.
    const int infoHeight = qCeil(QFontMetricsF(info->font()).height());

    for (const PageReadout &r : Readouts) {
        setPointSize(*(this->*r.caption.member), sizes.stripCaptionPt);
        setPointSize(*(this->*r.value.member), sizes.stripPanelPt, true);
    }
    const int captionHeight = LambdaLabel->fontMetrics().height();
    const int panelHeight = ZmiennaLambda->fontMetrics().height() + PanelPadding;

    if (sizes.stripInColumn) {
        // No room under the groups: the strip stands at the right of them and
        // the comment line goes under the commands.
        const int left = rightColumnX + groupWidth + PageMargin;
        const int stripWidth = right - left;
        int y = 0;
        for (const PageReadout &r : Readouts) {
            (this->*r.caption.member)->setGeometry(left, y, stripWidth, captionHeight);
            y += captionHeight;
            (this->*r.value.member)->setGeometry(left, y, stripWidth, panelHeight);
            y += panelHeight + StripGap;
            if (r.value.member == &ParametersPage::ZmiennaLambda) {
                LEDMeter2->setGeometry(left, y, stripWidth, LedMeterColumnHeight);
                y += LedMeterColumnHeight + StripGap;
            }
        }
        const int infoTop = ZapiszButtPlik->geometry().bottom() + 1 + sizes.commandGap;
        info->setGeometry(rightColumnX, infoTop, right - rightColumnX, infoHeight);
        return QRect(left, 0, stripWidth, y - StripGap);
    }

    // Along the bottom, under the comment line: each readout as wide as its
    // caption needs, the LED bar beside the lambda panel, the gaps sharing out
    // the rest.
    const int left = sizes.leftColumnX;
    const double grow = sizes.stripCaptionPt / StripBasePt;
    const int ledWidth = int(roundHalfEven(LedMeterBaseWidth * grow));
    std::vector<int> widths;
    int used = ledWidth + LedMeterGap;
    for (const PageReadout &r : Readouts) {
        const int textWidth = (this->*r.caption.member)->fontMetrics().horizontalAdvance(QString::fromUtf8(r.text));
        widths.push_back(std::max(int(roundHalfEven(r.baseWidth * grow)), textWidth + 2));
        used += widths.back();
    }
    const int gap = (right - left - used) / int(Readouts.size() - 1);
    const int panelTop = bottom - panelHeight;
    const int captionTop = panelTop - captionHeight;
    int x = left;
    for (size_t i = 0; i < Readouts.size(); ++i) {
        const PageReadout &r = Readouts[i];
        (this->*r.caption.member)->setGeometry(x, captionTop, widths[i], captionHeight);
        (this->*r.value.member)->setGeometry(x, panelTop, widths[i], panelHeight);
        x += widths[i] + gap;
        if (r.value.member == &ParametersPage::ZmiennaLambda) {
            LEDMeter2->setGeometry(x - gap + LedMeterGap, panelTop, ledWidth, panelHeight);
            x += ledWidth + LedMeterGap;
        }
    }
    info->setGeometry(left, captionTop - infoHeight, right - left, infoHeight);
    return QRect(left, captionTop, right - left, bottom - captionTop);
}

void ParametersPage::resizeEvent(QResizeEvent *event)
{
    // The page's background fills it at whatever size the profile gives it.
    AbGradient2->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void ParametersPage::SetCaptionsBold(bool on)
{
    captionsBold_ = on;
    for (const PageGroup &group : ParametersPageTables::pageGroups()) {
        for (const PageRow &row : group.rows) {
            setBold(*(this->*row.caption.member), on);
            if (row.boxCaption.member)
                setBold(*(this->*row.boxCaption.member), on);
        }
    }
}

const QStringList &ParametersPage::flowedControls()
{
    static const QStringList names = [] {
        QStringList all;
        auto add = [&all](const char *name) {
            if (name)
                all << QLatin1String(name);
        };
        for (const PageGroup &group : ParametersPageTables::pageGroups()) {
            add(group.box.name);
            for (const PageRow &row : group.rows) {
                for (const char *name : {row.caption.name, row.list.name, row.field.name, row.second.name,
                                         row.box.name, row.boxCaption.name})
                    add(name);
            }
        }
        for (const PageCommand &command : Commands) {
            add(command.button.name);
            add(command.companion.name);
        }
        for (const PageReadout &r : Readouts) {
            add(r.caption.name);
            add(r.value.name);
        }
        for (const char *name : {"WylaczkomentarzeCheck", "WylaczkomentarzeCheckLabel", "info", "LEDMeter2",
                                 "AbGradient2", "AbGradient3", "ZmiennaPoziomGazuLabel"})
            add(name);
        return all;
    }();
    return names;
}

} // namespace qx
