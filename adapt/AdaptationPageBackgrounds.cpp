#include "AdaptationPage.h"

#include "PageStyle.h"

// The adaptation page's gradients: the page with its heading band and foot,
// and on every step's sheet a background, a band under the buttons and cards
// behind the groups that belong together.

namespace qx {

namespace {

using pagestyle::GradientRow;
constexpr auto Down = TAbGradient::TopToBottom;
constexpr auto Across = TAbGradient::LeftToRight;

// What every sheet shares: a band under the buttons and a card behind the
// engine-speed meter and its panel, or a step's drawing there. They end where
// the narrowest sheet, the 1024 profile's, ends (735 at the design's scale).
constexpr int SheetRight = 735;
constexpr int ButtonBandTop = 322;
constexpr QRect ButtonBand{0, ButtonBandTop, SheetRight, 381 - ButtonBandTop};
constexpr QRect MeterCard{478, 0, SheetRight - 478, ButtonBandTop - 4};
constexpr QRect SheetBox; // the whole sheet at every size

} // namespace

void AdaptationPage::buildBackgrounds()
{
    pagestyle::placeGradients(*this, {
        {"AbGradient23", nullptr, {}, Down},
        {"AbGradient24", nullptr, {4, 0, 757, 28}, Across},
        {"AbGradientPanelDol", nullptr, {4, 460, 757, 22}, Across},

        {"AbGradient9", "adaptterm", SheetBox, Down},
        {"AbGradient25", "adaptterm", MeterCard, Across},
        {"AbGradient16", "adaptterm", ButtonBand, Across},

        {"AbGradient10", "AdaptTps", SheetBox, Down},
        {"AbGradientTPSRamka", "AdaptTps", {6, 84, 312, 122}, Across},
        {"AbGradient26", "AdaptTps", MeterCard, Across},
        {"AbGradient17", "AdaptTps", ButtonBand, Across},

        {"AbGradient11", "adaptsonda", SheetBox, Down},
        {"AbGradientSonda", "adaptsonda", {6, 218, 282, 102}, Across},
        {"AbGradient28", "adaptsonda", MeterCard, Across},
        {"AbGradient18", "adaptsonda", ButtonBand, Across},

        {"AbGradient12", "adapt5", SheetBox, Down},
        {"AbGradientParS1", "adapt5", {6, 50, 244, 116}, Down},
        {"AbGradientParS2", "adapt5", {256, 50, 232, 216}, Down},
        {"AbGradientParS3", "adapt5", {494, 50, 241, 116}, Down},
        {"AbGradient19", "adapt5", ButtonBand, Across},

        {"AbGradient13", "adapt6", SheetBox, Down},
        {"AbGradient20", "adapt6", ButtonBand, Across},

        {"AbGradient14", "przedreduktorem", SheetBox, Down},
        {"AbGradient29", "przedreduktorem", MeterCard, Across},
        {"AbGradient21", "przedreduktorem", ButtonBand, Across},

        {"AbGradient15", "Regulacjareduktora", SheetBox, Down},
        {"AbGradient31", "Regulacjareduktora", MeterCard, Across},
        {"AbGradient22", "Regulacjareduktora", ButtonBand, Across},

        {"AbGradient8", "MinMaxTab", SheetBox, Down},
        {"AbGradient32", "MinMaxTab", MeterCard, Across},
        {"AbGradientKoniec", "MinMaxTab", ButtonBand, Across},
    });
}

} // namespace qx
