#pragma once

#include <QLabel>

namespace qx {

// A label that draws a text too large for it in a smaller font rather than
// cutting it off; texts that fit keep the label's own font. One-line labels
// shrink until the line fits their box, word-wrapped ones until the wrapped
// text does. Help texts, instructions and their translations
// vary a lot in length, the boxes and the profiles' fonts do not.
class FittingLabel final : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The font the text is drawn in.
    QFont drawnFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The font, no larger than font, in which text fits room on one line or,
// when wrapped at word breaks, in lines.
QFont fittedFont(const QFont &font, const QString &text, QSize room, bool wrapped);

} // namespace qx
