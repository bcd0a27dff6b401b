#pragma once

#include <QString>

#include <array>

namespace qx {

// The four skins, one row each, in the order of the skin menu. The menu, the
// settings and the loading of a skin file all read this table.
struct SkinChoice
{
    const char *setting;  // the settings' "skin"
    const char *file;     // in skins/
    const char *item;     // the menu item's object name
    const char *caption;  // the menu item's caption
    const char *shortcut; // the menu item's shortcut, as QKeySequence reads it
};

const std::array<SkinChoice, 4> &skinChoices();

// The skin a settings text names, exactly as written; nullptr for any other.
const SkinChoice *skinOfSetting(const QString &setting);

// The ordinary skin: the form's, a first run's and the default settings'.
const SkinChoice &defaultSkin();

} // namespace qx
