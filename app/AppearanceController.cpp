#include "AppearanceController.h"

#include "AdaptationPage.h"
#include "FittedBox.h"
#include "MainMenu.h"
#include "MainPages.h"
#include "PageControl.h"
#include "ParameterEditor.h"
#include "ParametersPage.h"
#include "PrintingPage.h"
#include "ScaleControl.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSet>
#include <QTimer>

namespace qx {

namespace {

// The Parameters page as designed, for the 800×600 profile.
constexpr ParameterLayout DesignLayout{12, 236, 316, 800};

// The controls the Parameters page and the printout lay out themselves.
const QSet<QString> &flowedControls()
{
    static const QSet<QString> flowed = [] {
        QSet<QString> names;
        for (const QStringList *list : {&ParametersPage::flowedControls(), &PrintingPage::flowedControls()})
            names.unite(QSet<QString>(list->begin(), list->end()));
        return names;
    }();
    return flowed;
}

} // namespace

AppearanceController::AppearanceController(QMainWindow &window, const MainPages &pages, const MainMenu &menu,
                                           ParameterEditor &editor, std::function<QString(TextKey)> texts)
    : window_(window), pages_(pages), menu_(menu), editor_(editor),
      pagecontrol1Box_(new FittedBox(*pages.pagecontrol1)),
      PageControl2Box_(new FittedBox(*pages.AutoadaptacjaTab->findChild<QTabWidget *>(QStringLiteral("PageControl2")))),
      skin_(window, std::move(texts))
{
    connect(menu_.CzcionkaMala, &QAction::triggered, this, &AppearanceController::CzcionkaMalaClick);
    connect(menu_.CzcionkaSrednia, &QAction::triggered, this, &AppearanceController::CzcionkaSredniaClick);
    connect(menu_.CzcionkaDuza, &QAction::triggered, this, &AppearanceController::CzcionkaDuzaClick);
    connect(menu_.N1024, &QAction::triggered, this, [this] { largeProfileClick(3); });
    connect(menu_.N1152, &QAction::triggered, this, [this] { largeProfileClick(4); });
    connect(menu_.N1280, &QAction::triggered, this, [this] { largeProfileClick(5); });
    // PamOstRozdz is a checkable item: the menu toggles its tick by itself.
    for (std::size_t i = 0; i < skinChoices().size(); ++i)
        connect(menu_.skinItems[i], &QAction::triggered, this, [this, i] { loadSkin(skinChoices()[i]); });
    // As on the form: a skin is ticked before any is loaded.
    skinTick_.stand(menu_.skinItems[std::size_t(&defaultSkin() - skinChoices().data())]);
    window_.installEventFilter(this);
}

AppearanceController::~AppearanceController() = default;

void AppearanceController::CaptureGeometry()
{
    geometry_.CaptureGeometry(*pages_.pagecontrol1);
}

ScreenArea AppearanceController::screenArea() const
{
    if (screenOverride_)
        return *screenOverride_;
    const QScreen *own = window_.screen();
    return {own->geometry(), own->availableGeometry()};
}

void AppearanceController::ApplyResolution(int width)
{
    layoutScale_ = 1.0;
    const ScreenArea screen = screenArea();
    if (width == 0)
        width = screen.geometry.width();
    const ResolutionProfile &profile = resolutionProfile(width);
    menu_.resolutionItems()[size_t(profile.menuItem)]->setChecked(true);
    if (profile.layout)
        LayoutParameterPage(*profile.layout);
    pagecontrol1Box_->setBox(profile.pagecontrol1.value_or(geometry_.designBox(QStringLiteral("pagecontrol1"))));
    PageControl2Box_->setBox(profile.PageControl2.value_or(geometry_.designBox(QStringLiteral("PageControl2"))));
    if (profile.window)
        fitWindow(profile, screen);
    layoutScale_ = profile.scale;
    rescalePages(profile);
}

void AppearanceController::firstRunAppearance()
{
    LayoutParameterPage(DesignLayout);
    pages_.ParametryTab->SetCaptionsBold(true);
    ApplyResolution(0);
    loadSkin(defaultSkin());
}

void AppearanceController::LayoutParameterPage(const ParameterLayout &layout)
{
    pages_.ParametryTab->LayoutParameterPage(layout.sizeClass, layout.editColumn, layout.groupWidth, layout.width);
    pages_.DrukowanieTab->LayoutPrintout(layout.sizeClass, layout.editColumn);
}

// A window that fills its screen is left where the window system put it;
// any other is centred by its outer size, title bar and borders included.
void AppearanceController::centreOnScreen()
{
    centring_ = CentreRounding::EachHalf;
    if (!(window_.windowState() & Qt::WindowMaximized))
        window_.move(centredOn(screenArea(), window_.size() + frameSize(), *centring_));
}

// A profile as wide as the screen fills it; any other has a fixed size.
void AppearanceController::fitWindow(const ResolutionProfile &profile, const ScreenArea &screen)
{
    zoomedProfile_ = !profile.alwaysNormal && screen.geometry.width() == profile.width;
    showZoomButton(zoomedProfile_);
    if (zoomedProfile_) {
        outerSize_.reset();
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window_.setWindowState((window_.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        return;
    }
    window_.setWindowState(window_.windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    outerSize_ = *profile.window;
    centring_.reset();
    fitFrame();
    if (profile.alwaysNormal) {
        centring_ = CentreRounding::Difference;
        window_.move(centredOn(screen, *outerSize_, *centring_));
    }
}

// A profile's size is the whole window's; the inner size follows the frame
// the window system gives it, which is known only once it has framed the
// window. Called again whenever the frame may have changed, it keeps the
// outer size and, for a centred window, the centre. The offscreen platform
// reports margins, but there is no window system to draw a frame.
QSize AppearanceController::frameSize() const
{
    const bool framed = QGuiApplication::platformName() != QLatin1String("offscreen");
    return framed ? window_.frameGeometry().size() - window_.size() : QSize(0, 0);
}

void AppearanceController::fitFrame()
{
    if (!outerSize_ || zoomedProfile_)
        return;
    const QSize frame = frameSize();
    window_.setFixedSize(*outerSize_ - frame);
    if (frame != fittedFrame_ && centring_ && window_.isVisible())
        window_.move(centredOn(screenArea(), *outerSize_, *centring_));
    fittedFrame_ = frame;
}

void AppearanceController::showZoomButton(bool shown)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (shown)
        flags |= Qt::WindowMaximizeButtonHint;
    if (window_.windowFlags() == flags)
        return;
    // New title-bar buttons take a new native window, which starts hidden.
    const bool visible = window_.isVisible();
    window_.setWindowFlags(flags);
    if (visible)
        window_.show();
}

void AppearanceController::rescalePages(const ResolutionProfile &profile)
{
    const ScaleFactors factors{profile.scale, profile.sizeClass, profile.headingSize};
    for (const DesignBox &design : geometry_.controls()) {
        const QString name = design.control->objectName();
        if (qobject_cast<QTabWidget *>(design.control) || flowedControls().contains(name))
            continue;
        if (const ScaleRule *rule = scaleRule(name))
            ScaleControl(*design.control, design.box, design.bold, *rule, factors);
    }
}

void AppearanceController::CzcionkaMalaClick()
{
    pages_.pagecontrol1->hide();
    showZoomButton(false);
    pages_.ParametryTab->SetCaptionsBold(false);
    LayoutParameterPage({8, 160, 240, 640});
    menu_.CzcionkaMala->setChecked(true);
    ApplyResolution(640);
    centreOnScreen();
    pages_.pagecontrol1->show();
}

void AppearanceController::CzcionkaSredniaClick()
{
    pages_.pagecontrol1->hide();
    showZoomButton(false);
    LayoutParameterPage({8, 160, 240, 720});
    menu_.CzcionkaSrednia->setChecked(true);
    pages_.ParametryTab->SetCaptionsBold(true);
    ApplyResolution(720);
    centreOnScreen();
    pages_.pagecontrol1->show();
}

void AppearanceController::CzcionkaDuzaClick()
{
    pages_.pagecontrol1->hide();
    showZoomButton(false);
    ApplyResolution(800);
    LayoutParameterPage(DesignLayout);
    menu_.CzcionkaDuza->setChecked(true);
    pages_.ParametryTab->SetCaptionsBold(true);
    centreOnScreen();
    pages_.pagecontrol1->show();
}

void AppearanceController::largeProfileClick(int menuItem)
{
    const ResolutionProfile &profile = profileOfItem(menuItem);
    pages_.pagecontrol1->hide();
    LayoutParameterPage(*profile.layout);
    menu_.resolutionItems()[size_t(menuItem)]->setChecked(true);
    ApplyResolution(profile.width);
    pages_.ParametryTab->SetCaptionsBold(true);
    centreOnScreen();
    pages_.pagecontrol1->show();
}

bool AppearanceController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window_) {
        switch (event->type()) {
        // By then the window system has framed the window.
        case QEvent::WindowActivate:
        case QEvent::Move: fitFrame(); break;
        case QEvent::Resize:
            fitFrame();
            FormResize();
            break;
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

// A window that fills its screen goes back to filling it when the user
// restores it to a normal size.
void AppearanceController::FormResize()
{
    if (!zoomedProfile_ || !window_.isVisible())
        return;
    // After the window system has finished restoring it.
    QTimer::singleShot(0, this, [this] {
        if (zoomedProfile_
            && !(window_.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
            window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
    });
}

void AppearanceController::loadSkin(const SkinChoice &skin)
{
    QAction *item = menu_.skinItems[std::size_t(&skin - skinChoices().data())];
    // The tick follows the load: a file that cannot be read leaves the old one.
    if (!skin_.LoadSkin(QLatin1String(skin.file))) {
        skinTick_.restore(item);
        return;
    }
    skinTick_.stand(item);
    editor_.setCaptionBackground(skin_.CaptionBackground());
}

const SkinChoice *AppearanceController::tickedSkin() const
{
    const int ticked = tickedIndex(menu_.skinItems);
    return ticked < 0 ? nullptr : &skinChoices()[std::size_t(ticked)];
}

} // namespace qx
