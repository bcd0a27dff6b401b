#pragma once

#include "ParametersPage.h"

#include <vector>

// What the Parameters page is made of, as tables: its groups, each a list of
// rows of caption and control(s). The page builds its controls and lays them
// out from these tables; the parameter catalogue says what each one shows.

namespace qx {

// A public control of the page together with its object name.
template <class T>
struct PageMember
{
    T *ParametersPage::*member = nullptr;
    const char *name = nullptr;
};

// Spelling the member once keeps member and object name the same.
#define QX_NAMED(control) {&ParametersPage::control, #control}

enum class PageRowKind { List, Field, Pair, Check };

// Which font of the size class a caption or a list takes.
enum class CaptionFont { Plain, Long, Box };
enum class ListFont { List, Field };

// One row of a group: a caption at the left and its control(s) at the right.
// The parameter catalogue's row of the (first) control gives the caption's
// text, a list's entries and a field's text before the first read.
struct PageRow
{
    PageRow(PageRowKind kind, PageMember<QLabel> caption, CaptionFont captionFont)
        : kind(kind), caption(caption), captionFont(captionFont)
    {
    }

    PageRowKind kind;
    PageMember<QLabel> caption;
    CaptionFont captionFont;
    // List rows: the list and its font.
    PageMember<QComboBox> list;
    ListFont listFont = ListFont::List;
    // Field rows: the field; pair rows: both fields, sharing the row.
    PageMember<QLineEdit> field;
    PageMember<QLineEdit> second;
    // Check rows: the box, and a caption of its own beside it where the row's
    // caption names the setting rather than the box.
    PageMember<QCheckBox> box;
    PageMember<QLabel> boxCaption;
    const char *boxText = nullptr;

    // The list, the first field or the box: the catalogue knows the row by it.
    const char *controlName() const { return list.name ? list.name : field.name ? field.name : box.name; }
};

enum class PageColumn { Left, Right };

struct PageGroup
{
    PageMember<QGroupBox> box;
    PageColumn column;
    int designHeight;
    std::vector<PageRow> rows;
};

// A command button under the right column; a companion shares its cell, a
// square picture button at the cell's right end.
struct PageCommand
{
    PageMember<QPushButton> button;
    const char *text;
    PageMember<QPushButton> companion{};
};

// A value of the live strip: a caption over a read-only panel, as wide as
// the 10 pt strip of the design needs.
struct PageReadout
{
    PageMember<QLabel> value;
    PageMember<QLabel> caption;
    const char *text;
    int baseWidth;
};

// The page's tables, which name its private controls.
struct ParametersPageTables
{
    // The six groups, top to bottom in each column.
    static const std::vector<PageGroup> &pageGroups();
    // The commands in their order, and the strip's readouts left to right.
    static const std::vector<PageCommand> &commands();
    static const std::vector<PageReadout> &readouts();
};

} // namespace qx
