#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace qx {

// The printed parameter sheet: the maker's heading, a logo in an ellipse, the
// sheet's title and 23 rows of caption and value(s), as the Printing page
// shows them. Places are laid out in 1/600 in from the printable area's
// top-left, whatever the printer's resolution.

constexpr int SheetRows = 23;

struct SheetRow
{
    QString caption;
    QString value;
    std::optional<QString> secondValue; // rows 11 and 13
};

struct ParameterSheetTexts
{
    QString heading;
    std::array<SheetRow, SheetRows> rows;
};

// One text of the laid-out sheet. Fonts have pixel sizes in hundredths of a
// point, so sizes stay exact at any resolution.
struct PlacedText
{
    QString text;
    QFont font;
    QColor colour;
    QPointF baseline; // 1/600 in: the text's top-left corner plus its ascent
};

struct SheetLayout
{
    std::vector<PlacedText> texts;
    QRectF ellipse; // 1/600 in
    // What one unit of 1/600 in becomes on the page: below 1 when the sheet
    // has been shrunk to fit the printable area.
    double scale = 1;
};

// Lays the sheet out for a printable area of the given size in 1/600 in.
SheetLayout layoutParameterSheet(const ParameterSheetTexts &texts, const QSizeF &printableArea);

// Draws the sheet with painter on a paged device whose printable area is
// printableArea in device pixels at deviceDpi.
void drawParameterSheet(QPainter &painter, const QRectF &printableArea, double deviceDpi,
                        const ParameterSheetTexts &texts);

} // namespace qx
