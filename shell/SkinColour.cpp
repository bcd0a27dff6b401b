#include "SkinColour.h"

#include <array>

namespace qx {

namespace {

struct DesktopColour
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorGroup Active = QPalette::Active;
constexpr QPalette::ColorGroup Inactive = QPalette::Inactive;

// The desktop colours by their index, as the nearest palette colour.
constexpr std::array<DesktopColour, 31> desktopColours{{
    {Active, QPalette::Button},            // 0 scroll bar
    {Active, QPalette::Dark},              // 1 desktop
    {Active, QPalette::Highlight},         // 2 active title bar
    {Inactive, QPalette::Highlight},       // 3 inactive title bar
    {Active, QPalette::Window},            // 4 menu
    {Active, QPalette::Base},              // 5 window
    {Active, QPalette::Shadow},            // 6 window frame
    {Active, QPalette::WindowText},        // 7 menu text
    {Active, QPalette::Text},              // 8 window text
    {Active, QPalette::HighlightedText},   // 9 title bar text
    {Active, QPalette::Button},            // 10 active border
    {Inactive, QPalette::Button},          // 11 inactive border
    {Active, QPalette::Mid},               // 12 application workspace
    {Active, QPalette::Highlight},         // 13 selection
    {Active, QPalette::HighlightedText},   // 14 selected text
    {Active, QPalette::Button},            // 15 button face
    {Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},  // 17 grey text
    {Active, QPalette::ButtonText},        // 18 button text
    {Inactive, QPalette::HighlightedText}, // 19 inactive title bar text
    {Active, QPalette::Light},             // 20 button highlight
    {Active, QPalette::Shadow},            // 21 dark 3D shadow
    {Active, QPalette::Midlight},          // 22 light 3D face
    {Active, QPalette::ToolTipText},       // 23 tooltip text
    {Active, QPalette::ToolTipBase},       // 24 tooltip background
    {Active, QPalette::Window},            // 25 unused by the desktop: its window colour
    {Active, QPalette::Link},              // 26 hot-tracked item
    {Active, QPalette::Highlight},         // 27 active title bar gradient
    {Inactive, QPalette::Highlight},       // 28 inactive title bar gradient
    {Active, QPalette::Highlight},         // 29 highlighted menu item
    {Active, QPalette::Window},            // 30 menu bar
}};

} // namespace

std::optional<QColor> skinColour(qint32 value, const QPalette &desktop)
{
    if (value >= 0)
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    // The top bit names a system colour; its number is the low byte.
    const quint32 index = quint32(value) & 0xFFu;
    if (index >= desktopColours.size())
        return std::nullopt;
    const DesktopColour &c = desktopColours[index];
    return desktop.color(c.group, c.role);
}

} // namespace qx
