#pragma once

#include "SkinKeys.h"
#include "SkinLine.h"
#include "BuiltInTexts.h"

#include <QByteArrayView>
#include <QColor>
#include <QMultiHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace qx {

class SkinStyler;

// Skin files applied to the controls under one root, found by object name. A
// skin changes only what it names; everything else keeps its colour.
class WindowSkin
{
public:
    explicit WindowSkin(QWidget &root, std::function<QString(TextKey)> texts = builtInText);
    ~WindowSkin();

    // Reads "skins/<name>" from the data folders and applies it. A file
    // that cannot be read changes nothing: a message names it with the
    // system's reason, and the result is false.
    bool LoadSkin(const QString &name);

    // Applies a skin file's bytes in file order. Each bad line shows the
    // bad-line message once and is skipped.
    void applySkin(QByteArrayView bytes);

    // The highlight of the focused parameter caption: light grey until a skin
    // sets it.
    QColor CaptionBackground() const { return captionBackground_; }

private:
    using Controls = QMultiHash<QString, QPointer<QWidget>>;

    void ApplySkinLine(const SkinLine &line, const Controls &controls, SkinStyler &styler);
    void applyValue(const SkinKey &key, qint32 value, const Controls &controls, SkinStyler &styler);
    void ApplyCaptionBackground(const Controls &controls);

    QWidget &root_;
    std::function<QString(TextKey)> texts_;
    QColor captionBackground_{0xEE, 0xEE, 0xEE};
    std::unique_ptr<SkinStyler> styler_;
};

} // namespace qx
