#include "SkinStyle.h"

#include "ApplicationSheet.h"

#include <QComboBox>
#include <QStringList>

namespace qx {

namespace {

// A control keeps its skin colours in dynamic properties, so every skin adds
// to what the ones before it set.
constexpr const char *TextProperty = "qxSkinText";
constexpr const char *BackgroundProperty = "qxSkinBackground";
constexpr const char *HoverProperty = "qxSkinHover";
constexpr const char *KindProperty = "qxSkinKind";

enum Kind { Plain, Button, Field };

Kind kindOf(SkinSlot slot)
{
    switch (slot) {
    case SkinSlot::FieldText:
    case SkinSlot::FieldBackground: return Field;
    case SkinSlot::ButtonText:
    case SkinSlot::ButtonFace:
    case SkinSlot::ButtonHover: return Button;
    case SkinSlot::Text:
    case SkinSlot::Background: break;
    }
    return Plain;
}

const char *storeOf(SkinSlot slot)
{
    switch (slot) {
    case SkinSlot::Text:
    case SkinSlot::FieldText:
    case SkinSlot::ButtonText: return TextProperty;
    case SkinSlot::Background:
    case SkinSlot::FieldBackground:
    case SkinSlot::ButtonFace: return BackgroundProperty;
    case SkinSlot::ButtonHover: break;
    }
    return HoverProperty;
}

// Text colours stay as they were for a disabled control, which is drawn grey.
void setPaletteColour(QWidget &control, SkinSlot slot, const QColor &colour)
{
    QPalette palette = control.palette();
    const auto text = [&](QPalette::ColorRole role) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
    };
    // Buttons, check boxes among them, paint in roles of their own.
    switch (slot) {
    case SkinSlot::Text:
        text(QPalette::WindowText);
        text(control.foregroundRole());
        break;
    case SkinSlot::Background:
        palette.setColor(QPalette::Window, colour);
        palette.setColor(control.backgroundRole(), colour);
        control.setAutoFillBackground(true);
        break;
    case SkinSlot::FieldText:
        text(QPalette::Text);
        text(QPalette::ButtonText);
        break;
    case SkinSlot::FieldBackground:
        palette.setColor(QPalette::Base, colour);
        palette.setColor(QPalette::Button, colour);
        break;
    case SkinSlot::ButtonText: text(QPalette::ButtonText); break;
    case SkinSlot::ButtonFace: palette.setColor(QPalette::Button, colour); break;
    case SkinSlot::ButtonHover: return;
    }
    if (palette != control.palette())
        control.setPalette(palette);
}

QColor stored(const QWidget &control, const char *property)
{
    return control.property(property).value<QColor>();
}

QString rule(const QString &selector, const QStringList &declarations)
{
    return selector + QStringLiteral(" { ") + declarations.join(QStringLiteral("; ")) + QStringLiteral(" }\n");
}

QString sheetOf(const QWidget &control, Kind kind)
{
    const QString id = QLatin1Char('#') + control.objectName();
    const QColor text = stored(control, TextProperty);
    const QColor background = stored(control, BackgroundProperty);
    const QColor hover = stored(control, HoverProperty);

    QStringList main;
    if (text.isValid())
        main << QStringLiteral("color: ") + text.name();
    if (background.isValid()) {
        main << QStringLiteral("background-color: ") + background.name();
        // A sheet that colours a face draws all of it, border included.
        if (kind == Button)
            main << QStringLiteral("border: 1px solid ") + background.darker(150).name()
                 << QStringLiteral("border-radius: 3px") << QStringLiteral("padding: 2px 4px");
        else if (kind == Field)
            main << QStringLiteral("border: 1px solid ") + background.darker(160).name()
                 << QStringLiteral("border-radius: 2px") << QStringLiteral("padding: 1px 2px");
    }

    QString sheet;
    if (!main.isEmpty())
        sheet += rule(id, main);
    if (hover.isValid())
        sheet += rule(id + QStringLiteral(":hover"), {QStringLiteral("background-color: ") + hover.name()});
    if (kind == Button && background.isValid())
        sheet += rule(id + QStringLiteral(":pressed"),
                      {QStringLiteral("background-color: ") + background.darker(115).name()});
    if (kind != Plain && text.isValid()) {
        const QPalette::ColorRole role = kind == Button ? QPalette::ButtonText : QPalette::Text;
        sheet += rule(id + QStringLiteral(":disabled"),
                      {QStringLiteral("color: ") + control.palette().color(QPalette::Disabled, role).name()});
    }
    // A list whose border the sheet draws loses the style's arrow: draw one
    // that shows on the list's background.
    if (kind == Field && background.isValid() && qobject_cast<const QComboBox *>(&control)) {
        const bool dark = background.lightnessF() < 0.5;
        sheet += rule(id + QStringLiteral("::drop-down"), {QStringLiteral("width: 16px"), QStringLiteral("border: none")});
        sheet += rule(id + QStringLiteral("::down-arrow"),
                      {dark ? QStringLiteral("image: url(:/skin/arrow-light.xpm)")
                            : QStringLiteral("image: url(:/skin/arrow-dark.xpm)")});
    }
    return sheet;
}

} // namespace

void SkinStyler::setColour(QWidget &control, SkinSlot slot, const QColor &colour)
{
    setPaletteColour(control, slot, colour);
    control.setProperty(storeOf(slot), colour);
    if (kindOf(slot) != Plain)
        control.setProperty(KindProperty, int(kindOf(slot)));
    const bool needsRules = kindOf(slot) != Plain || control.property(PageLookProperty).isValid();
    if (needsRules && !styled_.contains(&control))
        styled_.append(&control);
}

void SkinStyler::restyle()
{
    // A sheet of a control's own re-polishes that control alone; one sheet
    // for the whole application would re-polish every control, some 100 ms.
    for (const QPointer<QWidget> &control : std::as_const(styled_)) {
        if (!control)
            continue;
        const QString sheet = sheetOf(*control, Kind(control->property(KindProperty).toInt())) + userStyleSheet();
        if (sheet != control->styleSheet())
            control->setStyleSheet(sheet);
    }
}

} // namespace qx
