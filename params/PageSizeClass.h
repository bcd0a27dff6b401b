#pragma once

#include <QSize>

#include <array>

namespace qx {

// The narrow family of the parameter captions and the printed rows: at every
// size class a caption has to fit, bold, between the group's left edge and
// the edit column, and a list's entry in the printout's value column.
inline constexpr const char *NarrowFamily = "Liberation Sans Narrow";

// One size class of the Parameters and Printing pages: the fonts (points) of
// each kind of control, the group heights and stacking, and the pixel
// constants of the commands and the live strip.
struct PageSizeClass
{
    int sizeClass;
    int captionPt;      // the plain captions
    int longCaptionPt;  // Label8, Label18, Label20
    int boxCaptionPt;   // captions of the check boxes
    int listPt;         // ComboBox1, ComboBox4, ComboBox9, ComboBox20
    int fieldPt;        // numeric fields and ComboBox21
    int infoPt;         // the comment line
    int printValuePt;   // values of the printing page
    int printRowPitch;  // rows of the printing page
    double groupHeightFactor;
    int leftColumnX;
    // Groups sit at fixed tops (each cut to the next one's top), or one under
    // the other with a gap.
    bool fixedTops;
    std::array<int, 3> leftTops;
    std::array<int, 3> rightTops;
    int leftGap;
    int rightGap;

    // Commands: a grid of cells under the right column.
    int commandPt;
    int commandColumns;
    int commandWidth;
    int commandHeight;
    int commandGap;
    int commentsCaptionPt; // "Wylacz komentarze" in its 100 px
    // Live strip: a row along the bottom, or a column at the right where the
    // groups leave no room below them.
    bool stripInColumn;
    int stripCaptionPt;
    int stripPanelPt;
    // Printing page: where values end and where a row's second value starts.
    int printValueRight;
    int printSecondValueOffset;
};

// The class 8, 12, 16 or 21; any other number gives class 12, the design.
const PageSizeClass &pageSizeClass(int sizeClass);

// The page area the tab widget leaves at the profile laid out for this width
// (720 lays out for 640, so 640's smaller page is the one that must hold it).
QSize parametersPageArea(int layoutWidth);

} // namespace qx
