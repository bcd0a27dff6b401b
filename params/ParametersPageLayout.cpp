// The page at the 800 × 600 design size: two columns of groups at fixed
// heights, the commands under the right column, the comment line and the
// live strip along the bottom.
#include "FittingLabel.h"
#include "ParametersPage.h"
#include "ParametersPageForm.h"
#include "Rounding.h"
#include "WidgetFont.h"
#include "presets.h"
#include "tledmeter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {

// Columns of groups, and the place of captions and controls inside a group.
constexpr int PageWidth = 800;
constexpr double RightColumnShare = 0.43859649122807017543;
constexpr int LeftColumnX = 20;
constexpr int GroupWidth = 316;
constexpr double GroupHeightFactor = 1.05;
constexpr int CaptionLeft = 5;
constexpr int EditColumn = 236;
constexpr int ControlRight = GroupWidth - CaptionLeft; // every control ends here
constexpr int CaptionGap = 4;                          // at least this between caption and control

// Rows: DejaVu Sans at 12 pt needs 24 px for a field; the 9 pt lists and the
// boxes take less, which is what lets four rows fit the 100 px engine-speed
// group.
constexpr int FieldPt = 12;
constexpr int FieldHeight = 24;
constexpr int ListHeight = 22;
constexpr int CheckHeight = 20;
// Single fields sit at the right of the edit column, wide enough for five
// digits; a narrower field leaves the longest captions their room.
constexpr int FieldWidth = 60;
constexpr int PairFieldWidth = 50;
constexpr int PairGap = 6;
constexpr int ListWidth = 116; // "0,8 - 1,6 [V]" and "ekonomiczna" with the arrow
constexpr int BoxSize = 18;
constexpr int BoxCaptionWidth = 64;
static_assert(ControlRight - FieldWidth >= EditColumn, "fields stay inside the edit column");

// Commands: two columns of three rows (the last cell holds the comments box)
// under the right column of groups.
constexpr int CommandPt = 11;
constexpr int CommandGap = 4;
constexpr int CommandHeight = 25;
constexpr int CommandColumnGap = 6;
constexpr int CommentsCaptionOffset = 20;

// Comment line and live strip along the bottom of the page, which the tab
// widget leaves 787 × 485.
constexpr int PageRight = 767;
constexpr int InfoPt = 16;
constexpr int InfoHeight = 25;
constexpr int StripCaptionPt = 10;
constexpr int StripCaptionHeight = 15;
constexpr int StripPanelHeight = 20;
constexpr int StripPanelPt = 11;
constexpr int PageBottom = 483;
constexpr int LedMeterWidth = 150;
constexpr int LedMeterGap = 4;

template <class T, class... Args>
T *createNamed(ParametersPage *page, const PageMember<T> &named, QWidget *parent, Args &&...args)
{
    auto *widget = new T(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(named.name));
    page->*named.member = widget;
    return widget;
}

QLabel *createLabel(ParametersPage *page, const PageMember<QLabel> &named, QWidget *parent, const char *text,
                    int pointSize)
{
    auto *label = createNamed(page, named, parent, QString::fromUtf8(text));
    setPointSize(*label, pointSize);
    return label;
}

int rowHeight(const PageRow &row)
{
    switch (row.kind) {
    case PageRowKind::List:
        return row.listPointSize >= FieldPt ? FieldHeight : ListHeight;
    case PageRowKind::Check:
        return CheckHeight;
    default:
        return FieldHeight;
    }
}

// Tops of rows spread evenly over a group: the same space above, between and
// below them.
std::vector<int> spreadRows(const std::vector<PageRow> &rows, int groupHeight)
{
    int used = 0;
    for (const PageRow &row : rows)
        used += rowHeight(row);
    const int slack = groupHeight - used;
    const int gaps = int(rows.size()) + 1;
    std::vector<int> tops;
    int top = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        top += slack * int(i + 1) / gaps - slack * int(i) / gaps;
        tops.push_back(top);
        top += rowHeight(rows[i]);
    }
    return tops;
}

// No maximum length here: QLineEdit would cut texts set by code as well, and a
// read may show more digits than the fitter may type.
QLineEdit *createField(ParametersPage *page, const PageMember<QLineEdit> &named, QWidget *group, const QRect &box)
{
    auto *field = createNamed(page, named, group, QStringLiteral("0"));
    field->setGeometry(box);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setPointSize(*field, FieldPt);
    return field;
}

// Places a row's control(s) and returns where they begin, so the caption can
// take the space before it.
int createControls(ParametersPage *page, const PageRow &row, QWidget *group, int top, int height)
{
    switch (row.kind) {
    case PageRowKind::List: {
        QComboBox *list = createNamed(page, row.list, group);
        list->addItems(row.entries);
        setPointSize(*list, row.listPointSize);
        list->setGeometry(ControlRight - ListWidth, top, ListWidth, height);
        return ControlRight - ListWidth;
    }
    case PageRowKind::Field:
        createField(page, row.field, group, {ControlRight - FieldWidth, top, FieldWidth, height});
        return ControlRight - FieldWidth;
    case PageRowKind::Pair: {
        const int second = ControlRight - PairFieldWidth;
        const int first = second - PairGap - PairFieldWidth;
        createField(page, row.field, group, {first, top, PairFieldWidth, height});
        createField(page, row.second, group, {second, top, PairFieldWidth, height});
        return first;
    }
    case PageRowKind::Check: {
        const int boxLeft = ControlRight - BoxSize;
        createNamed(page, row.box, group)->setGeometry(boxLeft, top, BoxSize, height);
        if (!row.boxCaption.member)
            return boxLeft;
        const int captionLeft = boxLeft - CaptionGap - BoxCaptionWidth;
        QLabel *caption = createLabel(page, row.boxCaption, group, row.boxText, BoxCaptionPt);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(captionLeft, top, BoxCaptionWidth, height);
        return captionLeft;
    }
    }
    return ControlRight;
}

// A value of the live strip: a caption over a read-only panel.
struct Readout
{
    PageMember<QLabel> value;
    PageMember<QLabel> caption;
    const char *text;
    int width;
};

// Panels in the style of the RPM page's readout.
const QString DarkPanelStyle =
    QStringLiteral("font-weight: bold; color: #7fff7f; background: #10202a; border: 2px solid #0a141a;"
                   " padding: 0 4px;");

} // namespace

void ParametersPage::buildGroups()
{
    const int columnX[] = {LeftColumnX, int(roundHalfEven(PageWidth * RightColumnShare))};
    int columnTop[] = {0, 0};
    for (const PageGroup &entry : ParametersPageTables::pageGroups()) {
        const int column = entry.column == PageColumn::Left ? 0 : 1;
        const int height = int(roundHalfEven(GroupHeightFactor * entry.designHeight));
        QGroupBox *group = createNamed(this, entry.box, this);
        group->setGeometry(columnX[column], columnTop[column], GroupWidth, height);
        columnTop[column] += height;

        const std::vector<int> tops = spreadRows(entry.rows, height);
        for (size_t i = 0; i < entry.rows.size(); ++i) {
            const PageRow &row = entry.rows[i];
            const int rowTop = tops[i];
            const int controlsLeft = createControls(this, row, group, rowTop, rowHeight(row));
            QLabel *caption = createLabel(this, row.caption, group, row.text, row.captionPointSize);
            caption->setGeometry(CaptionLeft, rowTop, controlsLeft - CaptionGap - CaptionLeft, rowHeight(row));
        }
    }
}

void ParametersPage::buildCommands()
{
    const struct
    {
        PageMember<QPushButton> button;
        const char *text;
    } commands[] = {
        {QX_NAMED(ResButt), "Reset parametrów"},    {QX_NAMED(ZapButPic), "Zapisz parametry"},
        {QX_NAMED(odczButPic), "odczyt parametrów"}, {QX_NAMED(OdczytButtPlik), "Odczyt Plik"},
        {QX_NAMED(ZapiszButtPlik), "zapisz do pliku"},
    };
    const QRect below = GroupBox21->geometry();
    const int cellWidth = (GroupWidth - CommandColumnGap) / 2;
    auto cell = [&](int index) {
        return QRect(below.left() + (index % 2) * (cellWidth + CommandColumnGap),
                     below.bottom() + 1 + CommandGap + (index / 2) * (CommandHeight + CommandGap), cellWidth,
                     CommandHeight);
    };
    for (int i = 0; i < int(std::size(commands)); ++i) {
        QPushButton *button = createNamed(this, commands[i].button, this, QString::fromUtf8(commands[i].text));
        setPointSize(*button, CommandPt);
        button->setGeometry(cell(i));
    }
    connect(ZapButPic, &QPushButton::clicked, this, &ParametersPage::ZapButPicClicked);
    connect(ResButt, &QPushButton::clicked, this, &ParametersPage::ResButtClicked);
    connect(odczButPic, &QPushButton::clicked, this, &ParametersPage::odczButPicClicked);

    const QRect comments = cell(int(std::size(commands)));
    const PageMember<QCheckBox> commentsBox = QX_NAMED(WylaczkomentarzeCheck);
    createNamed(this, commentsBox, this)
        ->setGeometry(comments.left(), comments.top(), BoxSize, comments.height());
    QLabel *caption =
        createLabel(this, QX_NAMED(WylaczkomentarzeCheckLabel), this, "Wylacz komentarze", BoxCaptionPt);
    caption->setGeometry(comments.left() + CommentsCaptionOffset, comments.top(),
                         comments.width() - CommentsCaptionOffset, comments.height());
}

void ParametersPage::buildCommentLineAndStrip()
{
    const int panelTop = PageBottom - StripPanelHeight;
    const int stripTop = panelTop - StripCaptionHeight;
    info = new FittingLabel(this);
    info->setObjectName(QStringLiteral("info"));
    setPointSize(*info, InfoPt, true);
    QPalette red = info->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    info->setPalette(red);
    info->setGeometry(LeftColumnX, stripTop - InfoHeight, PageRight - LeftColumnX, InfoHeight);

    const Readout readouts[] = {
        {QX_NAMED(ZmiennaLambda), QX_NAMED(LambdaLabel), "Lambda", 64},
        {QX_NAMED(ZmiennaTPS), QX_NAMED(ZmiennaTPSLabel), "TPS", 64},
        {QX_NAMED(ZmiennaTemperatura), QX_NAMED(ZmiennaTemperaturaLabel), "Temperatura", 84},
        {QX_NAMED(ZmiennaObroty), QX_NAMED(ZmiennaObrotyLabel), "Obroty", 72},
        {QX_NAMED(ZmiennaSilnikKrokowy), QX_NAMED(ZmiennaSilnikKrokowyLabel), "Silnik Krokowy", 96},
        {QX_NAMED(ZmiennaGazBenzyna), QX_NAMED(aktZasilanieLabel), "Aktualne zasilanie", 120},
    };
    // The LED bar sits beside the lambda panel; the gaps share out the rest of
    // the width.
    const int ledSpace = LedMeterGap + LedMeterWidth;
    int used = ledSpace;
    for (const Readout &r : readouts)
        used += r.width;
    const int gap = (PageRight - LeftColumnX - used) / int(std::size(readouts) - 1);

    int x = LeftColumnX;
    for (const Readout &r : readouts) {
        createLabel(this, r.caption, this, r.text, StripCaptionPt)
            ->setGeometry(x, stripTop, r.width, StripCaptionHeight);
        QLabel *panel = createNamed(this, r.value, this);
        panel->setGeometry(x, panelTop, r.width, StripPanelHeight);
        setPointSize(*panel, StripPanelPt, true);
        panel->setAlignment(Qt::AlignCenter);
        x += r.width + gap;
        if (panel == ZmiennaLambda) {
            LEDMeter2 = new TLEDMeter(this);
            LEDMeter2->setObjectName(QStringLiteral("LEDMeter2"));
            Presets::lambdaLedMeter(*LEDMeter2);
            LEDMeter2->setDirection(TLEDMeter::mdRight);
            LEDMeter2->setGeometry(x - gap + LedMeterGap, panelTop, LedMeterWidth, StripPanelHeight);
            x += ledSpace;
        }
        if (panel != ZmiennaGazBenzyna)
            panel->setStyleSheet(DarkPanelStyle);
    }
    ZmiennaLambda->setText(QStringLiteral("0"));

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
}

} // namespace qx

namespace qx {

void ParametersPage::LayoutParameterPage(int, int, int, int) {}

void ParametersPage::SetCaptionsBold(bool) {}

const QStringList &ParametersPage::flowedControls()
{
    static const QStringList none;
    return none;
}

} // namespace qx
