#include "PageStyle.h"

#include "ApplicationSheet.h"
#include "SkinStyle.h"
#include "WidgetFont.h"

#include <QEvent>
#include <QLabel>

#include <vector>

namespace qx::pagestyle {

namespace {

// Dark panels with light figures, like the faces of the instruments.
// Square corners: a rounded border is drawn as arcs, many times slower, and
// the readouts repaint with every poll.
const QString readoutRule = QStringLiteral(
    "QLabel[qxLook=\"readout\"] { font-weight: bold; color: #7fff7f; background: #10202a;"
    " border: 2px solid #0a141a; }\n");
const QColor headingColour(0x1f, 0x3a, 0x5f);
const QColor noteColour(0x2b, 0x2f, 0x33);
const QColor axisColour(0xb0, 0x00, 0x00);
const QColor alarmColour(0xd0, 0x10, 0x10);

// Keeps a background over the whole of its parent: a page or a step's sheet
// takes whatever size the window and the profile leave it, which no scaled
// design box would match.
class ParentFill final : public QObject
{
public:
    explicit ParentFill(QWidget &control) : QObject(&control), control_(control)
    {
        control.parentWidget()->installEventFilter(this);
        fill();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            fill();
        return false;
    }

private:
    void fill()
    {
        const QRect whole = control_.parentWidget()->rect();
        if (control_.geometry() != whole)
            control_.setGeometry(whole);
    }

    QWidget &control_;
};

} // namespace

void setTextColour(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void setReadoutLook(QLabel &label)
{
    // The look is a rule of the application's sheet, so a user's sheet can still reach the label.
    setPageLooks(readoutRule);
    label.setProperty(PageLookProperty, QStringLiteral("readout"));
}

QLabel *makeText(QWidget *parent, const char *name, const QString &text, QRect box, int points, Look look,
                 Qt::Alignment alignment)
{
    return setUpText(new QLabel(text, parent), name, box, points, look, alignment);
}

QLabel *setUpText(QLabel *label, const char *name, QRect box, int points, Look look, Qt::Alignment alignment)
{
    label->setObjectName(QLatin1String(name));
    label->setGeometry(box);
    label->setAlignment(alignment);
    setPointSize(*label, points);
    switch (look) {
    case Look::Heading:
        label->setWordWrap(true);
        setTextColour(*label, headingColour);
        break;
    case Look::Note:
        setTextColour(*label, noteColour);
        break;
    case Look::Axis:
        setTextColour(*label, axisColour);
        break;
    case Look::Readout:
        setReadoutLook(*label);
        break;
    case Look::Alarm:
        label->setWordWrap(true);
        setTextColour(*label, alarmColour);
        break;
    }
    return label;
}

QLabel *makeScalePanel(QWidget *parent, const char *name, const QString &text, QRect box, const QColor &colour)
{
    QLabel *panel = makeText(parent, name, text, box, 12, Look::Note, Qt::AlignCenter);
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(palette);
    return panel;
}

void placeGradients(QWidget &page, std::initializer_list<GradientRow> rows)
{
    std::vector<TAbGradient *> placed;
    for (const GradientRow &row : rows) {
        QWidget *parent = row.parent ? page.findChild<QWidget *>(QLatin1String(row.parent)) : &page;
        Q_ASSERT_X(parent, "placeGradients", row.parent);
        auto *gradient = new TAbGradient(parent);
        gradient->setObjectName(QLatin1String(row.name));
        if (row.box.isNull())
            new ParentFill(*gradient);
        else
            gradient->setGeometry(row.box);
        gradient->setDirection(row.direction);
        placed.push_back(gradient);
    }
    for (auto it = placed.rbegin(); it != placed.rend(); ++it)
        (*it)->lower();
}

} // namespace qx::pagestyle
