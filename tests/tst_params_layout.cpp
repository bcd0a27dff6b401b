// The Parameters and Printing pages in every size class: the fixed numbers of
// each class, and at every profile's page nothing outside its parent, no two
// controls over each other, no caption cut; and the design back exactly.
#include "Controls.h"
#include "PageSizeClass.h"
#include "ParameterSet.h"
#include "ParametersPage.h"
#include "PrintingPage.h"
#include "Rounding.h"
#include "tabgradient.h"
#include "tledmeter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace qx;

namespace {

struct Profile
{
    int sizeClass;
    int editColumn;
    int groupWidth;
    int width;  // what the profile passes to the layout
    QSize page; // the tab page of the profile
    double scale;
};

// 720 lays out with the 640 values on its own, larger page.
const QHash<QString, Profile> Profiles{
    {"640", {8, 160, 240, 640, {628, 362}, 0.7}},        {"720", {8, 160, 240, 640, {713, 462}, 0.9}},
    {"800", {12, 236, 316, 800, {787, 485}, 1.0}},       {"1024", {16, 310, 420, 1024, {1011, 648}, 1.3}},
    {"1152", {16, 300, 470, 1152, {1118, 735}, 1.468}}, {"1280", {21, 415, 534, 1280, {1254, 905}, 1.608}},
};

const QStringList PlainCaptions{"Label1",  "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",
                                "Label9",  "Label10", "Label12", "Label13", "Label14", "Label16", "Label17",
                                "Label19", "Label21", "Label22", "Label23", "minprzelbgLabel"};
const QStringList LongCaptions{"Label8", "Label18", "Label20"};
const QStringList BoxCaptions{"CheckBox8_2_label", "CheckBox13_3_Label", "CheckBox15_Label", "checkbox22_2_label"};
const QStringList NumericFields{"Edit2",   "Edit3",    "Edit5",  "Edit6",  "Edit7",  "Edit8_1",
                                "Edit10",  "Edit11_1", "Edit11_2", "Edit12", "Edit13_1", "Edit13_2",
                                "Edit14",  "Edit16",   "Edit17", "Edit18", "Edit19", "Edit22_1"};
const QStringList Lists{"ComboBox1", "ComboBox4", "ComboBox9", "ComboBox20"};
const QStringList Commands{"ResButt",          "ZapButPic",      "odczButPic",      "OdczytButtPlik",
                           "PrzywrocButtPlik", "ZapiszButtPlik", "PorownajButtPlik"};
const QStringList PictureButtons{"PrzywrocButtPlik", "PorownajButtPlik"};
// Single fields; the pairs move left where both do not fit after the column.
const QStringList SingleFields{"Edit2",  "Edit3",  "Edit5",  "Edit6",  "Edit7",  "Edit8_1", "Edit10",
                               "Edit12", "Edit14", "Edit16", "Edit17", "Edit18", "Edit19", "Edit22_1"};

// The caption labels of the printed rows, as the window fills them.
const QStringList RowCaptionLabels{"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8",
                                   "Label9", "Label10", "Label12", "Label13", "Label14", "Label16", "Label17",
                                   "Label18", "Label19", "Label20", "Label21", "Label22", "Label23"};

// The longest value each printed row shows.
const QStringList PrintedValues{"0,8 - 1,6 [V]", "4,90", "9000", "malejący", "9,9", "24", "24", "9000",
                                "malejące", "5000", "255", "255", "4000", "50", "1", "255", "5000", "50",
                                "10000", "ekonomiczna", "20K", "Cewka na cylinder", "100"};

using Boxes = QList<QPair<QString, QRect>>;

void addProfileRows()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("bold");
    for (const char *name : {"640", "720", "800", "1024", "1152", "1280"}) {
        QTest::addRow("%s bold", name) << QString(name) << true;
        QTest::addRow("%s regular", name) << QString(name) << false;
    }
}

bool isBackground(const QWidget *widget)
{
    return qobject_cast<const TAbGradient *>(widget) != nullptr;
}

// Every control inside its parent and the page, none over a sibling but the
// backgrounds, no text wider than its label or button (of the named controls
// only, when the fonts of the others are left to the profiles).
void verifyFits(QWidget *page, const QSize &area, const QStringList &textsOf = {})
{
    const QRect pageBox(QPoint(0, 0), area);
    for (QWidget *widget : namedChildren(*page, Qt::FindChildrenRecursively)) {
        // A hidden control covers nothing.
        if (widget->isHidden())
            continue;
        const QString name = widget->objectName();
        const QRect box(widget->mapTo(page, QPoint(0, 0)), widget->size());
        QVERIFY2(pageBox.contains(box), qPrintable(name));
        QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(name));
        if (!isBackground(widget)) {
            for (QObject *sibling : widget->parent()->children()) {
                auto *other = qobject_cast<QWidget *>(sibling);
                if (other && other != widget && !other->objectName().isEmpty() && !other->isHidden() &&
                    !isBackground(other))
                    QVERIFY2(!widget->geometry().intersects(other->geometry()),
                             qPrintable(name + " overlaps " + other->objectName()));
            }
        }
        if (!textsOf.isEmpty() && !textsOf.contains(name))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget); label && name != QLatin1String("info")) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(name));
            QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(name));
        }
        if (auto *button = qobject_cast<QPushButton *>(widget); button && !button->text().isEmpty())
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(name));
        // A picture button: its picture whole inside its frame.
        if (auto *button = qobject_cast<QPushButton *>(widget); button && button->text().isEmpty()) {
            QVERIFY2(!button->icon().isNull(), qPrintable(name));
            QVERIFY2(button->iconSize().width() + 4 <= button->width(), qPrintable(name));
            QVERIFY2(button->iconSize().height() + 4 <= button->height(), qPrintable(name));
        }
    }
}

Boxes boxesOf(const QWidget *page)
{
    Boxes boxes;
    for (const QWidget *widget : namedChildren(*page, Qt::FindChildrenRecursively))
        boxes.append({widget->objectName(), widget->geometry()});
    return boxes;
}

QStringList fontsOf(const QWidget *page)
{
    QStringList fonts;
    for (const QWidget *widget : namedChildren(*page, Qt::FindChildrenRecursively))
        fonts << widget->objectName() + ' ' + widget->font().toString();
    return fonts;
}

QStringList namesOf(const QWidget *page)
{
    QStringList names;
    for (const QWidget *widget : namedChildren(*page, Qt::FindChildrenRecursively))
        names << widget->objectName();
    names.sort();
    return names;
}

QRect scaled(const QRect &box, double s)
{
    auto r = [s](int v) { return int(roundHalfEven(s * v)); };
    return {r(box.left()), r(box.top()), r(box.width()), r(box.height())};
}

} // namespace

class TestParamsLayout : public QObject
{
    Q_OBJECT

    ParameterSet set;
    QComboBox threshold;
    std::unique_ptr<ParametersPage> page;
    std::unique_ptr<PrintingPage> printing;

    template <class T = QWidget>
    T *control(const QString &name) const { return ::control<T>(page, name); }

    void layOut(const Profile &p, bool bold)
    {
        page->SetCaptionsBold(bold);
        page->LayoutParameterPage(p.sizeClass, p.editColumn, p.groupWidth, p.width);
        page->resize(p.page);
    }

    // The printing page as a profile leaves it: the rows laid out, the rest
    // rescaled from the design.
    void layOutPrinting(const Profile &p, const Boxes &design)
    {
        const QStringList flowed = PrintingPage::flowedControls();
        for (const auto &[name, box] : design)
            if (!flowed.contains(name))
                printing->findChild<QWidget *>(name)->setGeometry(scaled(box, p.scale));
        printing->LayoutPrintout(p.sizeClass, p.editColumn);
        printing->resize(p.page);
    }

private slots:
    void init()
    {
        threshold.setEditable(true);
        page = std::make_unique<ParametersPage>(set, &threshold);
        page->resize(Profiles["800"].page);
        page->show();
        printing = std::make_unique<PrintingPage>([](qx::TextKey) { return QString(); });
        printing->resize(Profiles["800"].page);
        for (int row = 1; row <= int(RowCaptionLabels.size()); ++row)
            printing->setCaption(row, control<QLabel>(RowCaptionLabels[row - 1])->text());
        printing->setCaption(22, QStringLiteral("Wybor ukladu zapłonowego"));
        printing->setCaption(23, QStringLiteral("Temperatura"));
        for (int row = 1; row <= 23; ++row)
            printing->setValues(row, PrintedValues[row - 1], row == 11 ? "255" : "4000");
        printing->show();
    }

    void cleanup()
    {
        page.reset();
        printing.reset();
    }

    void groupsStack_data()
    {
        QTest::addColumn<int>("sizeClass");
        QTest::addColumn<QList<int>>("tops");    // GroupBox20, 9, 14, 22, 8, 21
        QTest::addColumn<QList<int>>("heights");
        // Fixed tops closer than the boxes are tall: 104 and 63 cut to 102 and 62.
        QTest::newRow("8") << 8 << QList<int>{0, 102, 164, 0, 142, 230} << QList<int>{102, 62, 194, 135, 86, 63};
        QTest::newRow("12") << 12 << QList<int>{0, 121, 195, 0, 158, 258} << QList<int>{121, 74, 227, 158, 100, 74};
        QTest::newRow("16") << 16 << QList<int>{0, 165, 273, 0, 197, 324} << QList<int>{147, 90, 276, 192, 122, 90};
        QTest::newRow("21") << 21 << QList<int>{0, 214, 351, 0, 261, 428} << QList<int>{196, 119, 369, 256, 162, 119};
    }
    void groupsStack()
    {
        QFETCH(int, sizeClass);
        QFETCH(QList<int>, tops);
        QFETCH(QList<int>, heights);
        const QStringList groups{"GroupBox20", "GroupBox9", "GroupBox14", "GroupBox22", "GroupBox8", "GroupBox21"};
        for (const Profile &p : Profiles) {
            if (p.sizeClass != sizeClass)
                continue;
            layOut(p, true);
            const int right = int(roundHalfEven(p.width * 0.43859649122807017543));
            const int left = sizeClass == 8 ? 4 : 20;
            for (int i = 0; i < groups.size(); ++i) {
                const QRect box = control(groups[i])->geometry();
                QCOMPARE(box, QRect(i < 3 ? left : right, tops[i], p.groupWidth, heights[i]));
            }
        }
    }

    void fontsAndColumns_data() { addProfileRows(); }
    void fontsAndColumns()
    {
        QFETCH(QString, profile);
        QFETCH(bool, bold);
        const Profile p = Profiles[profile];
        layOut(p, bold);
        const PageSizeClass &sizes = pageSizeClass(p.sizeClass);
        auto check = [&](const QStringList &names, int points, bool captionFont, bool isBold) {
            for (const QString &name : names) {
                const QFont font = control(name)->font();
                QVERIFY2(font.pointSize() == points && font.bold() == isBold, qPrintable(name));
                if (captionFont)
                    QCOMPARE(font.family(), QString(NarrowFamily));
            }
        };
        check(PlainCaptions, sizes.captionPt, true, bold);
        check(LongCaptions, sizes.longCaptionPt, true, bold);
        check(BoxCaptions, sizes.boxCaptionPt, true, bold);
        check(Lists, sizes.listPt, false, false);
        check(NumericFields + QStringList{"ComboBox21"}, sizes.fieldPt, false, false);
        check({"info"}, sizes.infoPt, false, true);
        check({"WylaczkomentarzeCheckLabel"}, sizes.commentsCaptionPt, true, false);

        for (const QString &name : PlainCaptions + LongCaptions + BoxCaptions)
            if (name != QLatin1String("CheckBox15_Label"))
                QVERIFY2(control(name)->x() == 5, qPrintable(name));
        for (const QString &name : SingleFields)
            QVERIFY2(control(name)->x() == p.editColumn, qPrintable(name));
        for (const char *box : {"CheckBox8_2", "CheckBox13_3", "CheckBox15", "CheckBox22_2"})
            QCOMPARE(control(box)->x(), p.editColumn);
    }

    // The commands in their order under the right column, the comments box in
    // the cell after them with its caption 20 px to the right, 100 wide.
    void commandsUnderTheRightColumn_data() { addProfileRows(); }
    void commandsUnderTheRightColumn()
    {
        QFETCH(QString, profile);
        QFETCH(bool, bold);
        const Profile p = Profiles[profile];
        layOut(p, bold);
        const int right = int(roundHalfEven(p.width * 0.43859649122807017543));
        QRect previous;
        for (const QString &name : Commands + QStringList{"WylaczkomentarzeCheck"}) {
            const QRect box = control(name)->geometry();
            QVERIFY2(box.top() > control("GroupBox21")->geometry().bottom(), qPrintable(name));
            QVERIFY2(box.left() >= right, qPrintable(name));
            if (!previous.isNull())
                QVERIFY2(box.top() > previous.bottom() || (box.top() == previous.top() && box.left() > previous.right()),
                         qPrintable(name + " before the command above it"));
            previous = box;
        }
        QCOMPARE(control("ResButt")->x(), right);
        // A picture button is square, beside the command whose cell it shares.
        for (const QString &name : PictureButtons) {
            const QRect box = control(name)->geometry();
            QCOMPARE(box.width(), box.height());
            QCOMPARE(box.height(), control("ResButt")->height());
        }
        const QRect caption = control("WylaczkomentarzeCheckLabel")->geometry();
        QCOMPARE(caption.left(), previous.left() + 20);
        QCOMPARE(caption.width(), 100);
        QCOMPARE(caption.top(), previous.top());
    }

    void parametersPageFits_data() { addProfileRows(); }
    void parametersPageFits()
    {
        QFETCH(QString, profile);
        QFETCH(bool, bold);
        const Profile p = Profiles[profile];
        layOut(p, bold);
        verifyFits(page.get(), p.page);
    }

    // Gradients lowest, texts over them with no ground of their own.
    void backgrounds_data() { addProfileRows(); }
    void backgrounds()
    {
        QFETCH(QString, profile);
        const Profile p = Profiles[profile];
        layOut(p, true);
        const QList<QWidget *> order = page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(order.value(0)->objectName(), "AbGradient2");
        QCOMPARE(order.value(1)->objectName(), "AbGradient3");
        QCOMPARE(control("AbGradient2")->geometry(), QRect(QPoint(0, 0), p.page));
        const QRect strip = control("AbGradient3")->geometry();
        for (const char *name : {"LambdaLabel", "ZmiennaLambda", "LEDMeter2", "aktZasilanieLabel", "ZmiennaGazBenzyna"})
            QVERIFY2(strip.contains(control(name)->geometry()), name);
        for (const char *name : {"LambdaLabel", "aktZasilanieLabel", "Label1", "info"})
            QVERIFY2(!control(name)->autoFillBackground(), name);

        const QStringList printingBackgrounds{"AbGradient34", "AbGradient35", "AbGradient36", "AbGradient37"};
        for (const QString &name : printingBackgrounds) {
            auto *gradient = printing->findChild<TAbGradient *>(name);
            QVERIFY2(gradient, qPrintable(name));
            QCOMPARE(gradient->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).value(0)->inherits(
                         "TAbGradient"),
                     true);
        }
    }

    void captionsBoldOnly_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::newRow("bold") << true;
        QTest::newRow("regular") << false;
    }
    void captionsBoldOnly()
    {
        QFETCH(bool, bold);
        page->SetCaptionsBold(bold);
        for (const QString &name : PlainCaptions + LongCaptions + BoxCaptions)
            QVERIFY2(control(name)->font().bold() == bold, qPrintable(name));
        QVERIFY(!control("WylaczkomentarzeCheckLabel")->font().bold());
        QVERIFY(!control("LambdaLabel")->font().bold());
        QVERIFY(control("info")->font().bold());
    }

    // Profiles rescale whatever is not flowed: the Parameters page leaves them
    // nothing, the Printing page only its rows.
    void flowedControlsAreTheLaidOutOnes()
    {
        QCOMPARE(namesOf(page.get()), [] {
            QStringList names = ParametersPage::flowedControls();
            names.sort();
            return names;
        }());
        for (const QString &name : PrintingPage::flowedControls()) {
            const bool row = name.startsWith(QLatin1String("Napis")) || name.startsWith(QLatin1String("Par"));
            QVERIFY2(row && printing->findChild<QLabel *>(name), qPrintable(name));
        }
        QCOMPARE(PrintingPage::flowedControls().size(), 23 + 25);
    }

    void printoutRows_data() { addProfileRows(); }
    void printoutRows()
    {
        QFETCH(QString, profile);
        const Profile p = Profiles[profile];
        const PageSizeClass &sizes = pageSizeClass(p.sizeClass);
        layOutPrinting(p, boxesOf(printing.get()));
        for (int row = 1; row <= 23; ++row) {
            const QString number = QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
            const int top = 48 + (row <= 11 ? row - 1 : row - 12) * sizes.printRowPitch;
            auto *caption = printing->findChild<QLabel *>("Napis" + number);
            QCOMPARE(caption->parentWidget()->objectName(), row <= 11 ? "GroupBox17" : "GroupBox18");
            QCOMPARE(caption->geometry().topLeft(), QPoint(5, top));
            QCOMPARE(caption->font().pointSize(), sizes.captionPt);
            const QString valueName = "Par" + number + (row == 11 || row == 13 ? "_1" : "");
            auto *value = printing->findChild<QLabel *>(valueName);
            QCOMPARE(value->geometry().topLeft(), QPoint(p.editColumn + 25, top));
            QCOMPARE(value->font().pointSize(), sizes.printValuePt);
        }
    }

    void printingPageFits_data() { addProfileRows(); }
    void printingPageFits()
    {
        QFETCH(QString, profile);
        const Profile p = Profiles[profile];
        layOutPrinting(p, boxesOf(printing.get()));
        verifyFits(printing.get(), p.page, PrintingPage::flowedControls());
    }

    // The largest layout and back: the design again, to the pixel and point.
    void designComesBack()
    {
        const Boxes design = boxesOf(page.get());
        const QStringList designFonts = fontsOf(page.get());
        const Boxes printingDesign = boxesOf(printing.get());
        const QStringList printingFonts = fontsOf(printing.get());

        layOut(Profiles["1280"], true);
        layOutPrinting(Profiles["1280"], printingDesign);
        QVERIFY(boxesOf(page.get()) != design);
        layOut(Profiles["800"], true);
        layOutPrinting(Profiles["800"], printingDesign);
        QCOMPARE(boxesOf(page.get()), design);
        QCOMPARE(fontsOf(page.get()), designFonts);
        QCOMPARE(boxesOf(printing.get()), printingDesign);
        QCOMPARE(fontsOf(printing.get()), printingFonts);
    }
};

QTEST_MAIN(TestParamsLayout)
#include "tst_params_layout.moc"
