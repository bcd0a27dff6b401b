#include "ParameterSheet.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace qx {

namespace {

// The sheet is laid out in 1/600 in; fonts and the painter work in hundredths
// of a point (1/7200 in), where every size down to 0.01 pt is a whole pixel
// size, so nothing depends on the printer's resolution.
constexpr double UnitsPerInch = 600;
constexpr double FinePerUnit = 12;
constexpr int FinePerPoint = 100;

constexpr int MinPoints = 8;
// A shrunk text ends at least this far before what follows it.
constexpr double FitGap = 30;

constexpr QPointF MakerPlace{250, 170};
constexpr QPointF TradePlace{250, 490};
constexpr QPointF NamePlace{1530, 370};
constexpr double LambdaGap = 20;
constexpr double LambdaTop = 364;
constexpr double EllipseLeft = 1450;
constexpr double EllipseTop = 290;
constexpr double EllipseBottom = 590;
constexpr double EllipsePastLambda = 50;
constexpr QPointF HeadingPlace{1250, 990};

constexpr double FirstRowTop = 1340;
constexpr double RowPitch = 170;
constexpr double CaptionX = 250;
constexpr double ValueX = 2150;
constexpr double SecondValueX = 2500;
// Room kept for the second values when the sheet is fitted to a small page;
// wider values shrink at the page's edge instead.
constexpr double SecondValueRoom = 500;

const QColor Purple(128, 0, 128);
constexpr char16_t Lambda = 0x03BB;

QFont sheetFont(const QString &family, int points, bool bold = false, bool italic = false)
{
    QFont font(family);
    font.setPixelSize(points * FinePerPoint);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Widths in 1/600 in.
double widthOf(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text) / FinePerUnit;
}

// The text at topLeft in the largest size, not below MinPoints, that ends
// FitGap before limit; cut short only when even that is too wide.
PlacedText placed(const QString &text, QFont font, const QColor &colour, const QPointF &topLeft, double limit)
{
    const double room = std::max(0.0, limit - FitGap - topLeft.x());
    const int smallest = MinPoints * FinePerPoint;
    for (double width = widthOf(font, text); width > room && font.pixelSize() > smallest;
         width = widthOf(font, text)) {
        // Widths are not quite proportional to the size: step down until it fits.
        const int size = font.pixelSize();
        font.setPixelSize(std::max(smallest, std::min(size - 1, int(size * room / width))));
    }
    QString shown = text;
    if (widthOf(font, text) > room)
        shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, room * FinePerUnit);
    const double ascent = QFontMetricsF(font).ascent() / FinePerUnit;
    return {shown, font, colour, topLeft + QPointF(0, ascent)};
}

QFont lambdaFont(const QFont &nameFont)
{
    QFont font = nameFont;
    font.setBold(true);
    if (!QFontMetricsF(font).inFontUcs4(Lambda))
        font.setFamily(QStringLiteral("DejaVu Sans"));
    return font;
}

} // namespace

SheetLayout layoutParameterSheet(const ParameterSheetTexts &texts, const QSizeF &printableArea)
{
    const QString comic = QStringLiteral("comic sans ms");
    const QString arial = QStringLiteral("arial");
    const QFont regular = sheetFont(arial, 16);
    const QString name = QStringLiteral("QUORVANTIX");
    const QString lambda(QChar{Lambda});

    // The name's width places the λ and the ellipse's right side; the logo
    // and the rows make the sheet's extent, and a smaller printable area
    // shrinks the whole sheet alike. Neither the name nor the λ reaches the
    // fitted sheet's right edge.
    const double lambdaX = NamePlace.x() + widthOf(regular, name) + LambdaGap;
    const double ellipseRight = lambdaX + widthOf(lambdaFont(regular), lambda) + EllipsePastLambda;
    const double lastRowBottom =
        FirstRowTop + RowPitch * (SheetRows - 1) + QFontMetricsF(regular).height() / FinePerUnit;
    const double extentRight = std::max(ellipseRight, SecondValueX + SecondValueRoom);

    SheetLayout layout;
    layout.scale = std::min({1.0, printableArea.width() / extentRight, printableArea.height() / lastRowBottom});
    const double rightEdge = printableArea.width() / layout.scale;
    layout.ellipse = QRectF(QPointF(EllipseLeft, EllipseTop), QPointF(ellipseRight, EllipseBottom));

    auto add = [&](const QString &text, const QFont &font, const QColor &colour, const QPointF &topLeft,
                   double limit = qInf()) {
        layout.texts.push_back(placed(text, font, colour, topLeft, std::min(limit, rightEdge)));
    };
    add(QStringLiteral("TARVO"), sheetFont(comic, 32, true, true), Qt::blue, MakerPlace);
    add(QStringLiteral("Elektronika autogaz"), sheetFont(comic, 12), Qt::red, TradePlace);
    add(name, regular, Purple, NamePlace);
    add(lambda, lambdaFont(regular), Purple, {lambdaX, LambdaTop});
    add(texts.heading, sheetFont(arial, 16, true), Qt::black, HeadingPlace);

    for (int k = 0; k < SheetRows; ++k) {
        const SheetRow &row = texts.rows[size_t(k)];
        const double top = FirstRowTop + RowPitch * k;
        add(row.caption, regular, Qt::black, {CaptionX, top}, ValueX);
        add(row.value, regular, Qt::black, {ValueX, top}, row.secondValue ? SecondValueX : qInf());
        if (row.secondValue)
            add(*row.secondValue, regular, Qt::black, {SecondValueX, top});
    }
    return layout;
}

void drawParameterSheet(QPainter &painter, const QRectF &printableArea, double deviceDpi,
                        const ParameterSheetTexts &texts)
{
    const double pixelsPerUnit = deviceDpi / UnitsPerInch;
    const SheetLayout layout = layoutParameterSheet(texts, printableArea.size() / pixelsPerUnit);
    const auto fine = [](const QPointF &p) { return p * FinePerUnit; };

    painter.save();
    painter.translate(printableArea.topLeft());
    const double pixelsPerFine = pixelsPerUnit * layout.scale / FinePerUnit;
    painter.scale(pixelsPerFine, pixelsPerFine);

    painter.setPen(QPen(Qt::black, FinePerUnit));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(fine(layout.ellipse.topLeft()), fine(layout.ellipse.bottomRight())));
    for (const PlacedText &text : layout.texts) {
        painter.setFont(text.font);
        painter.setPen(text.colour);
        painter.drawText(fine(text.baseline), text.text);
    }
    painter.restore();
}

} // namespace qx
