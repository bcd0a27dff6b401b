#pragma once

#include <QList>

namespace qx {

// What a language text replaces in a control of the main window.
enum class TextTarget {
    Caption,    // a label's, button's or check box's text
    TabTitle,   // the title of the tab whose page the control is
    MenuTitle,  // a menu's title in its menu bar or parent menu
    ActionText, // a menu item's text
    ListEntry,  // one entry of a drop-down list, the list keeping its length
    MeterTitle, // the caption drawn on a meter's face
    ToolTip,    // the tip of a button that shows a picture instead of a caption
};

struct LanguageControl
{
    const char *name; // the control's object name
    TextTarget target;
    int entry = 0; // for a list entry, its position
};

// A key whose text lives in controls: every control it names gets the text.
struct ControlEntry
{
    int key;
    QList<LanguageControl> controls;
};

// The control entries in key order.
const QList<ControlEntry> &controlEntries();
const ControlEntry *findControlEntry(int key);

} // namespace qx
