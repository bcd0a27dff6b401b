#include "ResolutionProfiles.h"

#include "Rounding.h"

#include <array>

namespace qx {

namespace {

// The page control's box grows with the profile from a page of 781 × 520
// (811 × 580 for the largest), so the scaled pages fill it.
QRect scaledPageControl(double scale, int width, int height)
{
    return QRect(2, 0, int(roundHalfEven(scale * width)), int(roundHalfEven(scale * height)));
}

const std::array<ResolutionProfile, 8> &profiles()
{
    static const ParameterLayout small{8, 160, 240, 640};
    static const ParameterLayout largest{21, 415, 534, 1280};
    static const QRect largestPages = scaledPageControl(1.608, 811, 580);
    static const QRect largestSteps(25, 49, 1235, 850);
    static const std::array<ResolutionProfile, 8> rows = {{
        {640, 0, 8, 14, small, 0.7, QRect(2, 0, 632, 390), QRect(8, 25, 609, 330), QSize(640, 460)},
        // The 720 profile lays the Parameters page out as the 640 one does.
        {720, 1, 8, 16, small, 0.9, QRect(2, 0, 717, 490), QRect(8, 25, 690, 420), QSize(730, 560)},
        {800, 2, 12, 18, ParameterLayout{12, 236, 316, 800}, 1.0, std::nullopt, std::nullopt, QSize(800, 580)},
        {1024, 3, 16, 20, ParameterLayout{16, 310, 420, 1024}, 1.3, scaledPageControl(1.3, 781, 520),
         QRect(25, 49, 960, 555), QSize(1024, 745)},
        {1152, 4, 16, 20, ParameterLayout{16, 300, 470, 1152}, 1.468, scaledPageControl(1.468, 781, 520),
         QRect(25, 49, 1085, 630), QSize(1124, 860)},
        {1280, 5, 16, 20, largest, 1.608, largestPages, largestSteps, QSize(1260, 1000)},
        {1600, 5, 16, 20, largest, 1.608, largestPages, largestSteps, QSize(1278, 1000), true},
        // Any other width: the 800 profile's tick and design boxes, the window as it is.
        {0, 2, 12, 18, std::nullopt, 1.0, std::nullopt, std::nullopt, std::nullopt},
    }};
    return rows;
}

} // namespace

const ResolutionProfile &resolutionProfile(int width)
{
    for (const ResolutionProfile &row : profiles()) {
        if (row.width == width)
            return row;
    }
    return profiles().back();
}

const ResolutionProfile &profileOfItem(int menuItem)
{
    return profiles().at(size_t(menuItem));
}

QPoint centredOn(const ScreenArea &screen, QSize window, CentreRounding rounding)
{
    const QRect &work = screen.workArea;
    if (window.width() > work.width() || window.height() > work.height())
        return work.topLeft();
    const auto centre = [rounding](int screenSize, int windowSize) {
        if (rounding == CentreRounding::EachHalf)
            return int(roundHalfEven(screenSize * 0.5) - roundHalfEven(windowSize * 0.5));
        return int(roundHalfEven(screenSize * 0.5 - windowSize * 0.5));
    };
    return screen.geometry.topLeft()
           + QPoint(centre(screen.geometry.width(), window.width()), centre(screen.geometry.height(), window.height()));
}

} // namespace qx
