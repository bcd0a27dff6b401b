// The resolution profiles in the real window: what each menu item ticks,
// scales and does to the window on a screen of its width and on another one,
// the design restored exactly, and every page fitting every profile in every
// shipped language.
#include "AdaptationPage.h"
#include "Controls.h"
#include "DesignGeometry.h"
#include "FakePortIo.h"
#include "FieldRules.h"
#include "FittingLabel.h"
#include "MainMenu.h"
#include "PageControl.h"
#include "ParametersPage.h"
#include "PrintingPage.h"
#include "ResolutionProfiles.h"
#include "ScaleControl.h"
#include "TForm1.h"
#include "tabgradient.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include <optional>

using qx::ScreenArea;

namespace {

const char *const clickNames[] = {"640", "720", "800", "1024", "1152", "1280"};

ScreenArea wholeScreen(int width, int height)
{
    return {QRect(0, 0, width, height), QRect(0, 0, width, height)};
}

// A laptop screen with the task bar along its top edge.
const ScreenArea otherScreen{QRect(0, 0, 1366, 768), QRect(0, 40, 1366, 728)};

const QRect pagecontrol1Design(2, 0, 791, 513);
const QRect PageControl2Design(12, 48, 757, 409);

bool flowed(const QString &name)
{
    return qx::ParametersPage::flowedControls().contains(name) || qx::PrintingPage::flowedControls().contains(name);
}

// A background over its whole page or sheet has no design box to restore.
bool backdrop(const QString &name)
{
    const qx::ScaleRule *rule = qx::scaleRule(name);
    return rule && rule->kind == qx::ControlKind::Backdrop;
}

QString describe(const QWidget &control)
{
    const QRect box = control.geometry();
    return QStringLiteral("%1 %2,%3 %4x%5").arg(control.objectName()).arg(box.x()).arg(box.y())
        .arg(box.width()).arg(box.height());
}

// A text that shrinks to fit its box is still read at arm's length from a
// laptop on the passenger seat: not below this.
constexpr qreal ReadableFloor = 8;

// What a user would see wrong on a shown page: a control outside its parent,
// two controls on the same pixels, a text cut off by its control's edge.
struct PageFit
{
    QStringList misplaced, clipped;

    // Gradients and group boxes are there to hold other controls.
    static bool holdsOthers(const QWidget &control)
    {
        return qobject_cast<const TAbGradient *>(&control) || qobject_cast<const QGroupBox *>(&control);
    }

    void checkControl(const QWidget &control)
    {
        const QSize area = control.parentWidget()->size();
        if (!QRect(QPoint(), area).contains(control.geometry()))
            misplaced << QStringLiteral("outside: %1 in %2x%3").arg(describe(control)).arg(area.width()).arg(area.height());
        checkText(control);
    }

    // The controls on a sheet and inside them, but not the sheets of a page
    // control on it: those are checked when shown.
    void checkChildren(const QWidget &parent)
    {
        QList<QWidget *> shown;
        for (QWidget *control : namedChildren(parent)) {
            // The Parameters page and the printout lay themselves out by their own rules.
            if (flowed(control->objectName()))
                continue;
            checkControl(*control);
            if (!qobject_cast<QTabWidget *>(control))
                checkChildren(*control);
            if (!control->isHidden())
                shown << control;
        }
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j)
                checkPair(*shown[i], *shown[j]);
    }

    void checkPair(const QWidget &a, const QWidget &b)
    {
        if (!a.geometry().intersects(b.geometry()))
            return;
        if (!holdsOthers(a) && !holdsOthers(b)) {
            misplaced << QStringLiteral("overlap: %1 on %2").arg(describe(a), describe(b));
            return;
        }
        // A card lies under the whole of each control it is behind; a page
        // control hides what lies under it.
        const QWidget &card = holdsOthers(a) ? a : b;
        const QWidget &held = holdsOthers(a) ? b : a;
        if (qobject_cast<const TAbGradient *>(&card) && !holdsOthers(held) && !qobject_cast<const QTabWidget *>(&held)
            && !card.geometry().contains(held.geometry()))
            misplaced << QStringLiteral("overlap: %1 partly on %2").arg(describe(held), describe(card));
    }

    void checkText(const QWidget &control)
    {
        QSize room;
        QSize need;
        const QFontMetrics metrics = control.fontMetrics();
        if (const auto *label = qobject_cast<const QLabel *>(&control)) {
            if (label->text().isEmpty())
                return;
            room = label->size();
            const auto *fitting = qobject_cast<const qx::FittingLabel *>(label);
            if (fitting && fitting->drawnFont().pointSizeF() < ReadableFloor)
                clipped << QStringLiteral("unreadable: %1 at %2 pt").arg(describe(control))
                               .arg(fitting->drawnFont().pointSizeF());
            need = fitting ? drawnNeeds(*fitting) : labelNeeds(*label);
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(&control)) {
            if (button->text().isEmpty())
                return;
            need = metrics.size(Qt::TextShowMnemonic, button->text());
            room = textRoom(*button);
        } else if (const auto *group = qobject_cast<const QGroupBox *>(&control)) {
            if (group->title().isEmpty())
                return;
            need = metrics.size(Qt::TextShowMnemonic, group->title());
            room = group->size() - QSize(2 * group->style()->pixelMetric(QStyle::PM_DefaultFrameWidth), 0);
        } else {
            return;
        }
        if (need.width() > room.width() || need.height() > room.height())
            clipped << QStringLiteral("clipped: %1 needs %2x%3 has %4x%5").arg(describe(control)).arg(need.width())
                           .arg(need.height()).arg(room.width()).arg(room.height());
    }

    // What a label itself asks for: wrapped, the height at its width.
    static QSize labelNeeds(const QLabel &label)
    {
        return label.wordWrap() ? QSize(label.minimumSizeHint().width(), label.heightForWidth(label.width()))
                                : label.sizeHint();
    }

    // What a plain label with a fitting label's text, box and the font it is
    // drawn in would ask for.
    static QSize drawnNeeds(const qx::FittingLabel &fitting)
    {
        QLabel probe(fitting.text());
        probe.setWordWrap(fitting.wordWrap());
        probe.setAlignment(fitting.alignment());
        probe.setContentsMargins(fitting.contentsMargins());
        probe.setFont(fitting.drawnFont());
        probe.resize(fitting.size());
        return labelNeeds(probe);
    }

    // Where a button's style draws its text.
    static QSize textRoom(const QAbstractButton &button)
    {
        QStyle *style = button.style();
        if (auto *push = qobject_cast<const QPushButton *>(&button)) {
            QStyleOptionButton option;
            option.initFrom(push);
            const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, push);
            return style->subElementRect(QStyle::SE_PushButtonContents, &option, push).size()
                   - QSize(margin, 0);
        }
        if (qobject_cast<const QCheckBox *>(&button) || qobject_cast<const QRadioButton *>(&button)) {
            QStyleOptionButton option;
            option.initFrom(&button);
            const bool check = qobject_cast<const QCheckBox *>(&button);
            return style->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
                                         &option, &button)
                .size();
        }
        // A tool button keeps 3 px each side of its text.
        return button.size() - QSize(6, 6);
    }
};

} // namespace

Q_DECLARE_METATYPE(ScreenArea)
Q_DECLARE_METATYPE(std::optional<QSize>)
Q_DECLARE_METATYPE(std::optional<QPoint>)

class TestAppProfiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<qx::TForm1> form;
    qx::DesignGeometry design;

    QTabWidget *PageControl2() const { return form->pages().AutoadaptacjaTab->findChild<QTabWidget *>("PageControl2"); }
    int tickedItem() const
    {
        const auto items = form->menu().resolutionItems();
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i]->isChecked())
                return int(i);
        return -1;
    }
    // The page controls lay out only the page shown: the adaptation page,
    // whose inner page control holds the most controls.
    void showAdaptationPage()
    {
        form->pages().pagecontrol1->setCurrentWidget(form->pages().AutoadaptacjaTab);
        PageControl2()->setCurrentIndex(0);
    }
    // The box a page control gets: the profile's, cut where it would run past its parent.
    static QRect cutToParent(QRect box, const QWidget &control)
    {
        const QSize area = control.parentWidget()->size();
        box.setWidth(std::min(box.width(), area.width() - box.x()));
        box.setHeight(std::min(box.height(), area.height() - box.y()));
        return box;
    }
    // The window system maximises a window in its own time.
    void waitUntilFillingTheScreen() const
    {
        QTRY_VERIFY(form->isMaximized());
        QTRY_COMPARE(form->frameGeometry(), form->screen()->availableGeometry());
    }

private slots:
    void init()
    {
        form = std::make_unique<qx::TForm1>(std::make_unique<FakePortIo>());
        form->appearance().CaptureGeometry();
        design.CaptureGeometry(*form->pages().pagecontrol1);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void recordsWhatProfilesRescale()
    {
        QStringList names;
        for (const qx::DesignBox &control : design.controls())
            names << control.control->objectName();
        for (const char *recorded : {"pagecontrol1", "PageControl2", "Label70", "CheckBox39", "Label1", "Napis01"})
            QVERIFY2(names.contains(recorded), recorded);
        // Tab sheets follow their page control; menus and the status bar are not the pages'.
        for (const char *left : {"ObrotyTab", "MinMaxTab", "adaptterm", "ScrollLeftButton", "StatusBar1",
                                 "MainMenu1", "StatusBar1Panel0"})
            QVERIFY2(!names.contains(left), left);
        QCOMPARE(design.designBox("pagecontrol1"), pagecontrol1Design);
        QCOMPARE(design.designBox("PageControl2"), PageControl2Design);
    }

    void everyControlHasARule()
    {
        for (const qx::DesignBox &control : design.controls()) {
            const QString name = control.control->objectName();
            if (!qobject_cast<QTabWidget *>(control.control))
                QVERIFY2(qx::scaleRule(name), qPrintable(name + " has no rule"));
        }
    }

    void profiles_data()
    {
        QTest::addColumn<int>("click"); // -1: ApplyResolution(0) at start-up
        QTest::addColumn<ScreenArea>("screen");
        QTest::addColumn<int>("ticked");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("pagesBox");
        QTest::addColumn<QRect>("stepsBox");
        QTest::addColumn<bool>("zoomed");
        QTest::addColumn<std::optional<QSize>>("size"); // none: as before
        QTest::addColumn<std::optional<QPoint>>("place");
        const auto none = std::optional<QSize>();
        const auto nowhere = std::optional<QPoint>();
        const QRect small1(2, 0, 632, 390), small2(8, 25, 609, 330);
        const QRect largest1(2, 0, 1304, 933), largest2(25, 49, 1235, 850);
        // Each item on a screen of its size, zoomed, and as a window on
        // another screen; one larger than the work area at its top left, title
        // bar and menu on the screen.
        struct Profile
        {
            int height;
            double scale;
            QRect pages, steps;
            QSize window;
            QPoint place;
        };
        const Profile profiles[] = {
            {480, 0.7, small1, small2, {640, 460}, {363, 154}},
            {576, 0.9, {2, 0, 717, 490}, {8, 25, 690, 420}, {730, 560}, {318, 104}},
            {600, 1.0, pagecontrol1Design, PageControl2Design, {800, 580}, {283, 94}},
            {768, 1.3, {2, 0, 1015, 676}, {25, 49, 960, 555}, {1024, 745}, {0, 40}},
            {864, 1.468, {2, 0, 1147, 763}, {25, 49, 1085, 630}, {1124, 860}, {0, 40}},
            {1024, 1.608, largest1, largest2, {1260, 1000}, {0, 40}},
        };
        for (int click = 0; click < 6; ++click) {
            const Profile &p = profiles[click];
            const int width = QString(clickNames[click]).toInt();
            QTest::addRow("%s on its screen", clickNames[click])
                << click << wholeScreen(width, p.height) << click << p.scale << p.pages << p.steps << true << none
                << nowhere;
            QTest::addRow("%s elsewhere", clickNames[click]) << click << otherScreen << click << p.scale << p.pages
                                                            << p.steps << false << std::optional(p.window)
                                                            << std::optional(p.place);
        }
        // Halves round to even: 512.5 to 512, 384.5 to 384.
        QTest::newRow("640 on an odd screen")
            << 0 << wholeScreen(1025, 769) << 0 << 0.7 << small1 << small2 << false << std::optional(QSize(640, 460))
            << std::optional(QPoint(192, 154));
        QTest::newRow("1600 at start-up") << -1 << wholeScreen(1600, 1200) << 5 << 1.608 << largest1 << largest2
                                          << false << std::optional(QSize(1278, 1000))
                                          << std::optional(QPoint(161, 100));
        QTest::newRow("1600 with a task bar")
            << -1 << ScreenArea{QRect(0, 0, 1600, 900), QRect(0, 0, 1600, 860)} << 5 << 1.608 << largest1
            << largest2 << false << std::optional(QSize(1278, 1000)) << std::optional(QPoint(0, 0));
        // The window stays as the form starts it: zoomed.
        QTest::newRow("any other width at start-up") << -1 << otherScreen << 2 << 1.0 << pagecontrol1Design
                                                     << PageControl2Design << true << none << nowhere;
    }
    void profiles()
    {
        QFETCH(int, click);
        QFETCH(ScreenArea, screen);
        QFETCH(QRect, pagesBox);
        QFETCH(QRect, stepsBox);
        QFETCH(bool, zoomed);
        QFETCH(std::optional<QSize>, size);
        QFETCH(std::optional<QPoint>, place);
        const QSize before = form->size();
        const Qt::WindowFlags flagsBefore = form->windowFlags();
        form->appearance().setScreenArea(screen);
        showAdaptationPage();
        if (click < 0)
            form->appearance().ApplyResolution(0);
        else
            form->menu().resolutionItems()[size_t(click)]->trigger();

        QTEST(tickedItem(), "ticked");
        QTEST(form->appearance().LayoutScale(), "scale");
        if (zoomed)
            waitUntilFillingTheScreen();
        QCOMPARE(form->isMaximized(), zoomed);
        QVERIFY(form->isVisible());
        QVERIFY(form->pages().pagecontrol1->isVisible());
        if (click < 0 && !size) {
            QCOMPARE(form->size(), before);
            QCOMPARE(form->windowFlags(), flagsBefore);
        } else {
            QCOMPARE(bool(form->windowFlags() & Qt::WindowMaximizeButtonHint), zoomed);
            QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
        }
        if (size) {
            QCOMPARE(form->size(), *size);
            QCOMPARE(form->minimumSize(), *size);
            QCOMPARE(form->maximumSize(), *size);
        }
        if (place)
            QCOMPARE(form->pos(), *place);
        QTRY_COMPARE(form->pages().pagecontrol1->geometry(), cutToParent(pagesBox, *form->pages().pagecontrol1));
        QTRY_COMPARE(PageControl2()->geometry(), cutToParent(stepsBox, *PageControl2()));
    }

    // A zoomed profile's window, restored by the user, fills the work area again.
    void restoredWindowFillsTheScreenAgain()
    {
        form->appearance().setScreenArea(wholeScreen(1024, 768));
        form->menu().N1024->trigger();
        waitUntilFillingTheScreen();
        form->showNormal();
        QTRY_VERIFY(!form->isMaximized() || form->frameGeometry() != form->screen()->availableGeometry());
        waitUntilFillingTheScreen();
        // An 800 profile there is a normal window the user can restore and keep.
        form->menu().CzcionkaDuza->trigger();
        QTRY_VERIFY(!form->isMaximized());
        QCOMPARE(form->size(), QSize(800, 580));
        QCOMPARE(form->windowFlags() & Qt::WindowMaximizeButtonHint, Qt::WindowFlags());
    }

    void designRestoredExactly()
    {
        form->appearance().setScreenArea(otherScreen);
        showAdaptationPage();
        form->menu().N1024->trigger();
        for (const qx::DesignBox &control : design.controls()) {
            const QString name = control.control->objectName();
            if (flowed(name) || backdrop(name) || qobject_cast<QTabWidget *>(control.control))
                continue;
            QVERIFY2(control.control->geometry() != control.box, qPrintable(name + " kept its design box"));
        }
        form->menu().CzcionkaDuza->trigger();
        for (const qx::DesignBox &control : design.controls()) {
            const QString name = control.control->objectName();
            if (flowed(name) || backdrop(name))
                continue;
            QTRY_COMPARE(control.control->geometry(), control.box);
            QVERIFY2(control.control->font().bold() == control.bold, qPrintable(name));
        }
    }

    void fontsFollowTheirRule_data()
    {
        QTest::addColumn<int>("click");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("bold");
        // b at 640 is 8: labels turn regular below 10 pt.
        QTest::newRow("label b at 640") << 0 << "Label59" << 8 << false;
        QTest::newRow("label b at 1024") << 3 << "Label59" << 16 << false;
        QTest::newRow("heading a at 720") << 1 << "Label105" << 16 << false;
        QTest::newRow("tachometer b + 2") << 3 << "obrotomierz" << 18 << false;
        QTest::newRow("transmission error 2b") << 2 << "TranserrorLabel" << 24 << false;
        QTest::newRow("own 8 at 1280") << 5 << "Label52" << 13 << false;
        QTest::newRow("own 9 at 1152") << 4 << "CheckBox39" << 13 << false;
        QTest::newRow("own 20 LED at 640") << 0 << "AbLED1" << 14 << false;
        QTest::newRow("own 18 at 1024") << 3 << "Label11" << 23 << false;
    }
    void fontsFollowTheirRule()
    {
        QFETCH(int, click);
        QFETCH(QString, control);
        form->appearance().setScreenArea(otherScreen);
        form->menu().resolutionItems()[size_t(click)]->trigger();
        const QWidget *widget = form->findChild<QWidget *>(control);
        QVERIFY(widget);
        QTEST(widget->font().pointSize(), "points");
        QTEST(widget->font().bold(), "bold");
    }

    void lampsAndSelectionBoxes()
    {
        form->appearance().setScreenArea(otherScreen);
        form->menu().N1280->trigger();
        const QWidget *lamp = form->findChild<QWidget *>("LedRR");
        QCOMPARE(lamp->property("LampHeight").toInt(), 40); // round(1.608 × 25)
        const QWidget *choice = form->findChild<QWidget *>("SRCheckBox5");
        const QRect designed = design.designBox("SRCheckBox5");
        QCOMPARE(choice->geometry(), QRect(qRound(1.608 * designed.x()), qRound(1.608 * designed.y()),
                                           designed.width(), designed.height()));
    }

    void captionsRegularOnlyAt640_data()
    {
        QTest::addColumn<int>("click");
        QTest::addColumn<bool>("bold");
        for (int click = 0; click < 6; ++click)
            QTest::newRow(clickNames[click]) << click << (click != 0);
    }
    void captionsRegularOnlyAt640()
    {
        QFETCH(int, click);
        QFETCH(bool, bold);
        form->appearance().setScreenArea(otherScreen);
        // From the other weight, so the item is seen to set it.
        form->pages().ParametryTab->SetCaptionsBold(!bold);
        if (form->findChild<QLabel *>("Label1")->font().bold() == bold)
            QSKIP("the Parameters page does not set its captions' weight yet");
        form->menu().resolutionItems()[size_t(click)]->trigger();
        for (const char *caption : {"Label1", "Label20", "CheckBox15_Label", "minprzelbgLabel"})
            QCOMPARE(form->findChild<QLabel *>(caption)->font().bold(), bold);
    }

    void rememberToggles()
    {
        const bool before = form->menu().PamOstRozdz->isChecked();
        form->menu().PamOstRozdz->trigger();
        QCOMPARE(form->menu().PamOstRozdz->isChecked(), !before);
        form->menu().PamOstRozdz->trigger();
        QCOMPARE(form->menu().PamOstRozdz->isChecked(), before);
    }

    // Each shipped language at each profile, on its own screen and in a
    // window on another screen, a little lower than its own: every control in
    // its place and every text, the status bar's and the help texts too, whole.
    void pagesFitEveryProfile_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("click");
        QTest::addColumn<ScreenArea>("screen");
        const int widths[] = {640, 720, 800, 1024, 1152, 1280};
        const int heights[] = {480, 576, 600, 768, 864, 1024};
        for (const char *language : {"polish", "english", "czech", "russian", "italiano"}) {
            const QString file = QStringLiteral("%1.lng").arg(language);
            for (int click = 0; click < 6; ++click) {
                QTest::addRow("%s %dx%d on its screen", language, widths[click], heights[click])
                    << file << click << wholeScreen(widths[click], heights[click]);
                QTest::addRow("%s %s elsewhere", language, clickNames[click]) << file << click << otherScreen;
            }
        }
    }
    void pagesFitEveryProfile()
    {
        QFETCH(QString, language);
        QFETCH(int, click);
        QFETCH(ScreenArea, screen);
        PageFit fit;
        checkEveryPage(language, click, screen, fit);
        fit.checkText(*form->findChild<QLabel *>("StatusBar1Panel0"));
        checkEveryHelpText(fit);
        report(fit.misplaced + fit.clipped);
        QVERIFY2(fit.misplaced.isEmpty(), qPrintable(QStringLiteral("%1 misplaced").arg(fit.misplaced.size())));
        QVERIFY2(fit.clipped.isEmpty(), qPrintable(QStringLiteral("%1 clipped").arg(fit.clipped.size())));
    }

private:
    // Every page and every step sheet shown in turn, as the user sees them.
    // The texts are the language's, with the no-reply text where a failed
    // poll puts it: the status bar and the Visualisation page.
    void checkEveryPage(const QString &language, int click, const ScreenArea &screen, PageFit &fit)
    {
        QVERIFY(form->languages().LoadLanguageFile(language));
        form->showNoReply(true);
        form->showTransmissionError(true);
        form->appearance().setScreenArea(screen);
        showAdaptationPage();
        form->menu().resolutionItems()[size_t(click)]->trigger();
        const qx::ResolutionProfile &profile = qx::profileOfItem(click);
        if (screen.geometry.width() == profile.width)
            waitUntilFillingTheScreen();
        QTRY_COMPARE(form->pages().pagecontrol1->geometry(),
                     cutToParent(profile.pagecontrol1.value_or(pagecontrol1Design), *form->pages().pagecontrol1));
        QTRY_COMPARE(PageControl2()->geometry(),
                     cutToParent(profile.PageControl2.value_or(PageControl2Design), *PageControl2()));
        fit.checkControl(*form->pages().pagecontrol1);
        for (int page = 0; page < form->pages().pagecontrol1->count(); ++page)
            showAndCheck(*form->pages().pagecontrol1, page, fit);
    }

    // The comment line with each field's help text in turn, as focusing the
    // fields one after another would show them.
    void checkEveryHelpText(PageFit &fit)
    {
        showSheet(*form->pages().pagecontrol1, form->pages().pagecontrol1->indexOf(form->pages().ParametryTab));
        auto *info = form->pages().ParametryTab->findChild<QLabel *>("info");
        QSet<int> shown;
        for (const qx::FieldRule &rule : qx::fieldRules()) {
            if (!rule.help || shown.contains(int(*rule.help)))
                continue;
            shown.insert(int(*rule.help));
            info->setText(form->texts().text(*rule.help));
            const qsizetype before = fit.clipped.size();
            fit.checkText(*info);
            for (qsizetype i = before; i < fit.clipped.size(); ++i)
                fit.clipped[i] += QStringLiteral(" with help text %1").arg(int(*rule.help));
        }
    }

    // One line each: a failure message would be cut short.
    static void report(const QStringList &problems)
    {
        for (const QString &problem : problems)
            qWarning().noquote() << problem;
    }

    // A page control lays out the sheet it shows.
    static void showSheet(QTabWidget &pages, int index)
    {
        pages.setCurrentIndex(index);
        const QWidget &sheet = *pages.widget(index);
        const auto *stack = qobject_cast<const QStackedWidget *>(sheet.parentWidget());
        QTRY_COMPARE(sheet.size(), stack->size());
    }

    // Shows one sheet of a page control, its own page controls' sheets each
    // in turn, and checks what is on them.
    void showAndCheck(QTabWidget &pages, int index, PageFit &fit)
    {
        showSheet(pages, index);
        QWidget &sheet = *pages.widget(index);
        for (QWidget *control : namedChildren(sheet)) {
            if (auto *inner = qobject_cast<QTabWidget *>(control))
                for (int i = 0; i < inner->count(); ++i)
                    showAndCheck(*inner, i, fit);
        }
        fit.checkChildren(sheet);
    }
};

// The tests run on one offscreen screen of 1280 × 1024, large enough for
// every profile; the screen each profile is fitted to is given to the window.
int main(int argc, char **argv)
{
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/qx-screen-XXXXXX.json"));
    config.open();
    config.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280, "height": 1024,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestAppProfiles test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app_profiles.moc"
