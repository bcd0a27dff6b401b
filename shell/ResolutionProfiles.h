#pragma once

#include <QRect>
#include <QSize>

#include <optional>

namespace qx {

// The screen a profile is fitted to: its whole area and the part left free
// by task bars, both in desktop coordinates.
struct ScreenArea
{
    QRect geometry;
    QRect workArea;
};

// The values a profile gives the Parameters page and the printout.
struct ParameterLayout
{
    int sizeClass;
    int editColumn;
    int groupWidth;
    int width;
};

// How the window and its pages look on a screen of one width.
struct ResolutionProfile
{
    int width;           // the screen width the row is for; 0 for any other width
    int menuItem;        // index into MainMenu::resolutionItems()
    int sizeClass;       // font size of most controls (b)
    int headingSize;     // font size of the adaptation pages' instructions (a)
    std::optional<ParameterLayout> layout; // none: the Parameters page is left as it is
    double scale;        // LayoutScale
    std::optional<QRect> pagecontrol1; // none: the design box
    std::optional<QRect> PageControl2;
    // The window's fixed size when the screen is not as wide as the profile;
    // none: the window is not touched.
    std::optional<QSize> window;
    // Always a normal window of the fixed size, centred, whatever the screen.
    bool alwaysNormal = false;
};

// The row for a screen width: one of the profiles, or the row for any other width.
const ResolutionProfile &resolutionProfile(int width);

// The profile a resolution item chooses, by its index in MainMenu::resolutionItems().
const ResolutionProfile &profileOfItem(int menuItem);

// How a centred place is rounded: each half on its own (the resolution
// items), or their difference once (the 1600 profile).
enum class CentreRounding { EachHalf, Difference };

// Where a window of the given size (frame excluded) goes: centred on the
// screen, or at the work area's top left when it is larger than the work
// area, so its title bar and menu never go off the screen.
QPoint centredOn(const ScreenArea &screen, QSize window, CentreRounding rounding);

} // namespace qx
