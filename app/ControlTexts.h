#pragma once

#include "LanguageControls.h"

#include <QMultiHash>
#include <QString>

#include <optional>

class QObject;
class QWidget;

namespace qx {

// The named controls, menus and menu items of a window, without those of the
// dialogs it owns, which may reuse a name.
QMultiHash<QString, QObject *> namedControls(QWidget &window);

// Sets the text a language entry replaces; false when the control is not of
// the kind the target needs. Texts always show as plain text, never markup.
bool setControlText(QObject &control, const LanguageControl &how, const QString &text);
// The text a language entry replaces, or nothing for a control of another kind.
std::optional<QString> controlText(const QObject &control, const LanguageControl &how);

} // namespace qx
