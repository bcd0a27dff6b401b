#pragma once

#include "DesignGeometry.h"
#include "ResolutionProfiles.h"
#include "Skin.h"
#include "SkinChoices.h"
#include "StandingTick.h"

#include <QObject>

#include <functional>
#include <optional>

class QMainWindow;

namespace qx {

class FittedBox;
class ParameterEditor;
struct MainMenu;
struct MainPages;

// The window's appearance: the six resolution profiles that fit the window
// and its pages to a screen, and the four skins that colour them. The window
// is kept on the screen it fills as the window system frames, moves and
// resizes it.
class AppearanceController final : public QObject
{
    Q_OBJECT

public:
    AppearanceController(QMainWindow &window, const MainPages &pages, const MainMenu &menu,
                         ParameterEditor &editor, std::function<QString(TextKey)> texts);
    ~AppearanceController() override;

    // Records the design boxes every profile rescales from.
    void CaptureGeometry();
    // 0: the profile of the screen's width.
    void ApplyResolution(int width);
    // A first run's look: the design's page layout with bold captions, the
    // profile of the screen's width and the ordinary skin.
    void firstRunAppearance();
    // A window that does not fill its screen is centred on it.
    void centreOnScreen();
    // The scale of the active profile: 1.0 at the design size.
    double LayoutScale() const { return layoutScale_; }
    // The screen profiles fit the window to: the window's own unless one is set.
    void setScreenArea(std::optional<ScreenArea> screen) { screenOverride_ = screen; }
    ScreenArea screenArea() const;

    // Loads a skin's file and ticks its item; a file that cannot be read
    // leaves the skin and the tick as they were.
    void loadSkin(const SkinChoice &skin);
    // The ticked item's skin; none while no item is ticked.
    const SkinChoice *tickedSkin() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CzcionkaMalaClick();
    void CzcionkaSredniaClick();
    void CzcionkaDuzaClick();
    void largeProfileClick(int menuItem);
    // The Parameters page and the printout laid out in one size class.
    void LayoutParameterPage(const ParameterLayout &layout);
    void fitWindow(const ResolutionProfile &profile, const ScreenArea &screen);
    void fitFrame();
    void FormResize();
    // What the window system's frame adds to the window's size.
    QSize frameSize() const;
    void showZoomButton(bool shown);
    void rescalePages(const ResolutionProfile &profile);

    QMainWindow &window_;
    const MainPages &pages_;
    const MainMenu &menu_;
    ParameterEditor &editor_;
    DesignGeometry geometry_;
    FittedBox *pagecontrol1Box_;
    FittedBox *PageControl2Box_;
    double layoutScale_ = 1.0;
    // The window fills a screen as wide as its profile.
    bool zoomedProfile_ = false;
    // A normal window's outer size by its profile, the frame last fitted to,
    // and how it was centred (none: where the window system put it).
    std::optional<QSize> outerSize_;
    QSize fittedFrame_{0, 0};
    std::optional<CentreRounding> centring_;
    std::optional<ScreenArea> screenOverride_;

    WindowSkin skin_;
    StandingTick skinTick_;
};

} // namespace qx
