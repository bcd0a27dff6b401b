#pragma once

#include <QLabel>

namespace qx {

// A one-line label that draws a text too wide for it in a smaller font rather
// than cutting it off; texts that fit keep the label's own font. Help texts
// and their translations vary a lot in length, the comment line does not.
class FittingLabel final : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The font, no larger than font, in which text takes at most width pixels.
QFont fittedFont(const QFont &font, const QString &text, int width);

} // namespace qx
