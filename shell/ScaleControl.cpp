#include "ScaleControl.h"

#include "Rounding.h"
#include "WidgetFont.h"

#include <QWidget>

namespace qx {

namespace {

int scaled(double scale, int value)
{
    return int(roundHalfEven(scale * value));
}

int pointSize(const ScaleRule &rule, const ScaleFactors &f)
{
    switch (rule.font) {
    case FontRule::None: return 0;
    case FontRule::SizeClass: return f.sizeClass;
    case FontRule::Heading: return f.headingSize;
    case FontRule::SizeClassPlus2: return f.sizeClass + 2;
    case FontRule::DoubleSizeClass: return 2 * f.sizeClass;
    case FontRule::Own: return scaled(f.scale, rule.ownPoints);
    }
    Q_UNREACHABLE();
}

// A lamp is this high at the design size, whatever the box of its caption.
constexpr int LampHeight = 25;

} // namespace

void ScaleControl(QWidget &control, const QRect &design, bool designBold, const ScaleRule &rule,
                  const ScaleFactors &f)
{
    if (rule.kind == ControlKind::Backdrop)
        return;
    const double s = f.scale;
    const QPoint place(scaled(s, design.x()), scaled(s, design.y()));
    if (rule.kind == ControlKind::MovedOnly) {
        control.move(place);
        return;
    }
    control.setGeometry(QRect(place, QSize(scaled(s, design.width()), scaled(s, design.height()))));
    if (rule.kind == ControlKind::Led)
        control.setProperty("LampHeight", scaled(s, LampHeight));
    if (rule.font == FontRule::None)
        return;
    const int points = pointSize(rule, f);
    // Small bold text smudges, so small labels are regular; larger ones keep their design weight.
    const bool bold = designBold && !(rule.kind == ControlKind::Label && points < 10);
    if (control.font().pointSize() != points || control.font().bold() != bold)
        setPointSize(control, points, bold);
}

} // namespace qx
