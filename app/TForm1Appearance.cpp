// The main window's resolution profiles: the six menu items, the profile of
// a screen width, and the window kept on the screen it fills.
#include "TForm1.h"

#include "AdaptationPage.h"
#include "FittedBox.h"
#include "PageControl.h"
#include "ParametersPage.h"
#include "PrintingPage.h"
#include "ScaleControl.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QTimer>

namespace qx {

namespace {

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

void TForm1::buildAppearance()
{
    pagecontrol1Box_ = new FittedBox(*pagecontrol1);
    PageControl2Box_ = new FittedBox(*AutoadaptacjaTab->findChild<QTabWidget *>(QStringLiteral("PageControl2")));
    connect(menu_.CzcionkaMala, &QAction::triggered, this, &TForm1::CzcionkaMalaClick);
    connect(menu_.CzcionkaSrednia, &QAction::triggered, this, &TForm1::CzcionkaSredniaClick);
    connect(menu_.CzcionkaDuza, &QAction::triggered, this, &TForm1::CzcionkaDuzaClick);
    connect(menu_.N1024, &QAction::triggered, this, &TForm1::N1024Click);
    connect(menu_.N1152, &QAction::triggered, this, &TForm1::N1152Click);
    connect(menu_.N1280, &QAction::triggered, this, &TForm1::N1280Click);
    // PamOstRozdz is a checkable item: the menu toggles its tick by itself.
}

void TForm1::CaptureGeometry()
{
    geometry_.CaptureGeometry(*pagecontrol1);
}

ScreenArea TForm1::screenArea() const
{
    if (screenOverride_)
        return *screenOverride_;
    const QScreen *own = screen();
    return {own->geometry(), own->availableGeometry()};
}

void TForm1::ApplyResolution(int width)
{
    layoutScale_ = 1.0;
    const ScreenArea screen = screenArea();
    if (width == 0)
        width = screen.geometry.width();
    const ResolutionProfile &profile = resolutionProfile(width);
    menu_.resolutionItems()[size_t(profile.menuItem)]->setChecked(true);
    if (const auto &l = profile.layout)
        LayoutParameterPage(l->sizeClass, l->editColumn, l->groupWidth, l->width);
    pagecontrol1Box_->setBox(profile.pagecontrol1.value_or(geometry_.designBox(QStringLiteral("pagecontrol1"))));
    PageControl2Box_->setBox(profile.PageControl2.value_or(geometry_.designBox(QStringLiteral("PageControl2"))));
    if (profile.window)
        fitWindow(profile, screen);
    layoutScale_ = profile.scale;
    rescalePages(profile);
}

// A profile as wide as the screen fills it; any other has a fixed size.
void TForm1::fitWindow(const ResolutionProfile &profile, const ScreenArea &screen)
{
    zoomedProfile_ = !profile.alwaysNormal && screen.geometry.width() == profile.width;
    showZoomButton(zoomedProfile_);
    if (zoomedProfile_) {
        outerSize_.reset();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        return;
    }
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    outerSize_ = *profile.window;
    centring_.reset();
    fitFrame();
    if (profile.alwaysNormal) {
        centring_ = CentreRounding::Difference;
        move(centredOn(screen, *outerSize_, *centring_));
    }
}

// A profile's size is the whole window's; the inner size follows the frame
// the window system gives it, which is known only once it has framed the
// window. Called again whenever the frame may have changed, it keeps the
// outer size and, for a centred window, the centre. The offscreen platform
// reports margins, but there is no window system to draw a frame.
QSize TForm1::frameSize() const
{
    const bool framed = QGuiApplication::platformName() != QLatin1String("offscreen");
    return framed ? frameGeometry().size() - size() : QSize(0, 0);
}

void TForm1::fitFrame()
{
    if (!outerSize_ || zoomedProfile_)
        return;
    const QSize frame = frameSize();
    setFixedSize(*outerSize_ - frame);
    if (frame != fittedFrame_ && centring_ && isVisible())
        move(centredOn(screenArea(), *outerSize_, *centring_));
    fittedFrame_ = frame;
}

void TForm1::showZoomButton(bool shown)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (shown)
        flags |= Qt::WindowMaximizeButtonHint;
    if (windowFlags() == flags)
        return;
    // New title-bar buttons take a new native window, which starts hidden.
    const bool visible = isVisible();
    setWindowFlags(flags);
    if (visible)
        show();
}

void TForm1::rescalePages(const ResolutionProfile &profile)
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

void TForm1::CzcionkaMalaClick()
{
    pagecontrol1->hide();
    showZoomButton(false);
    ParametryTab->SetCaptionsBold(false);
    LayoutParameterPage(8, 160, 240, 640);
    menu_.CzcionkaMala->setChecked(true);
    ApplyResolution(640);
    centreOnScreen();
    pagecontrol1->show();
}

void TForm1::CzcionkaSredniaClick()
{
    pagecontrol1->hide();
    showZoomButton(false);
    LayoutParameterPage(8, 160, 240, 720);
    menu_.CzcionkaSrednia->setChecked(true);
    ParametryTab->SetCaptionsBold(true);
    ApplyResolution(720);
    centreOnScreen();
    pagecontrol1->show();
}

void TForm1::CzcionkaDuzaClick()
{
    pagecontrol1->hide();
    showZoomButton(false);
    ApplyResolution(800);
    LayoutParameterPage(12, 236, 316, 800);
    menu_.CzcionkaDuza->setChecked(true);
    ParametryTab->SetCaptionsBold(true);
    centreOnScreen();
    pagecontrol1->show();
}

void TForm1::N1024Click()
{
    largeProfileClick(3);
}

void TForm1::N1152Click()
{
    largeProfileClick(4);
}

void TForm1::N1280Click()
{
    largeProfileClick(5);
}

void TForm1::largeProfileClick(int menuItem)
{
    const ResolutionProfile &profile = profileOfItem(menuItem);
    pagecontrol1->hide();
    const ParameterLayout &l = *profile.layout;
    LayoutParameterPage(l.sizeClass, l.editColumn, l.groupWidth, l.width);
    menu_.resolutionItems()[size_t(menuItem)]->setChecked(true);
    ApplyResolution(profile.width);
    ParametryTab->SetCaptionsBold(true);
    centreOnScreen();
    pagecontrol1->show();
}

void TForm1::PamOstRozdzClick()
{
    menu_.PamOstRozdz->toggle();
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitFrame();
    FormResize();
}

void TForm1::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    fitFrame();
}

// A window that fills its screen goes back to filling it when the user
// restores it to a normal size.
void TForm1::FormResize()
{
    if (!zoomedProfile_ || !isVisible())
        return;
    // After the window system has finished restoring it.
    QTimer::singleShot(0, this, [this] {
        if (zoomedProfile_ && !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
            setWindowState(windowState() | Qt::WindowMaximized);
    });
}

} // namespace qx
