#include "Skin.h"

#include "DataFile.h"
#include "DataFolders.h"
#include "DialogService.h"
#include "SkinColour.h"
#include "SkinStyle.h"

#include <QGuiApplication>

namespace qx {

namespace {

using P = SkinProperty;

// What instruments offer as Qt properties; a control without the property
// is left alone.
const char *qtPropertyOf(SkinProperty property)
{
    switch (property) {
    case P::GradientShown: return "Painting";
    case P::GradientStart: return "StartColor";
    case P::GradientEnd: return "EndColor";
    case P::MeterUnitColour: return "UnitColor";
    case P::MeterScaleColour: return "ScaleColor";
    case P::TraceColourD: return "Linecolor_d";
    default: return nullptr;
    }
}

SkinSlot slotOf(SkinProperty property)
{
    switch (property) {
    case P::Background: return SkinSlot::Background;
    case P::FieldText: return SkinSlot::FieldText;
    case P::FieldBackground: return SkinSlot::FieldBackground;
    case P::ButtonText: return SkinSlot::ButtonText;
    case P::ButtonFace: return SkinSlot::ButtonFace;
    case P::ButtonHover: return SkinSlot::ButtonHover;
    default: return SkinSlot::Text;
    }
}

void setQtProperty(QWidget &control, const char *name, const QVariant &value)
{
    if (control.metaObject()->indexOfProperty(name) >= 0)
        control.setProperty(name, value);
}

} // namespace

WindowSkin::WindowSkin(QWidget &root, std::function<QString(TextKey)> texts)
    : root_(root), texts_(std::move(texts)), styler_(std::make_unique<SkinStyler>())
{
}

WindowSkin::~WindowSkin() = default;

bool WindowSkin::LoadSkin(const QString &name)
{
    const DataFileRead file = readDataFile(dataFilePath(QStringLiteral("skins/") + name));
    if (!file.ok) {
        showError(file.error);
        return false;
    }
    applySkin(file.bytes);
    return true;
}

void WindowSkin::applySkin(QByteArrayView bytes)
{
    // One walk over the window instead of one per line; a message box's
    // event loop may delete a control meanwhile, hence the guarded pointers.
    Controls controls;
    const QList<QWidget *> all = root_.findChildren<QWidget *>();
    for (QWidget *control : all) {
        if (!control->objectName().isEmpty())
            controls.insert(control->objectName(), control);
    }

    for (const SkinLine &line : readSkinLines(bytes)) {
        switch (line.kind) {
        case SkinLine::Bad: showError(texts_(TextKey::BadSkinLine)); break;
        case SkinLine::Comment: break;
        case SkinLine::Setting: ApplySkinLine(line, controls, *styler_); break;
        }
    }
    styler_->restyle();
}

void WindowSkin::ApplySkinLine(const SkinLine &line, const Controls &controls, SkinStyler &styler)
{
    if (const SkinKey *key = findSkinKey(line.key))
        applyValue(*key, line.value, controls, styler);
    ApplyCaptionBackground(controls);
}

void WindowSkin::applyValue(const SkinKey &key, qint32 value, const Controls &controls, SkinStyler &styler)
{
    if (key.property == P::GradientShown) {
        for (const QString &name : key.controls) {
            for (const QPointer<QWidget> &control : controls.values(name)) {
                if (control)
                    setQtProperty(*control, qtPropertyOf(key.property), value != 0);
            }
        }
        return;
    }

    const auto colour = skinColour(value, QGuiApplication::palette());
    if (!colour)
        return;
    if (key.property == P::CaptionBackground) {
        captionBackground_ = *colour;
        return;
    }
    const char *qtProperty = qtPropertyOf(key.property);
    for (const QString &name : key.controls) {
        for (const QPointer<QWidget> &control : controls.values(name)) {
            if (!control)
                continue;
            if (qtProperty)
                setQtProperty(*control, qtProperty, *colour);
            else
                styler.setColour(*control, slotOf(key.property), *colour);
        }
    }
}

void WindowSkin::ApplyCaptionBackground(const Controls &controls)
{
    // The captions stay transparent; the editor fills the focused one.
    for (const QString &name : captionBackgroundControls()) {
        for (const QPointer<QWidget> &control : controls.values(name)) {
            if (!control)
                continue;
            QPalette palette = control->palette();
            palette.setColor(QPalette::Window, captionBackground_);
            if (palette != control->palette())
                control->setPalette(palette);
        }
    }
}

} // namespace qx
