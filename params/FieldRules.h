#pragma once

#include "TextKeys.h"

#include <QChar>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace qx {

// What the Parameters page does with each of its controls while the fitter
// edits: which keys a field takes, how it is checked when left, what is
// highlighted and shown when it gets the focus. Plain rules on texts; the
// page applies them to its widgets.

enum class FieldKind { List, IntField, DecimalField, Box };

// Which typed characters a field keeps.
enum class KeyFilter { None, DigitsOnly, Decimal };

// How a field's value is kept on one side of a neighbouring field's value.
struct CrossRule
{
    enum class Side {
        Below, // a value not below the neighbour's becomes the neighbour's − gap
        Above, // a value not above the neighbour's becomes the neighbour's + gap
    };
    // The lambda times are only held against each other when Enter confirms one.
    enum class When { Leaving, Enter };

    QString neighbour;
    Side side;
    int gap;
    When when;
};

// What the status bar's panel 1 shows while the control has the focus.
enum class StatusText {
    Help,  // the control's help text
    Empty, // emptied
    Kept,  // left as it was
};

struct FieldRule
{
    QString name; // object name of the control
    FieldKind kind = FieldKind::List;
    KeyFilter filter = KeyFilter::None;
    int maxLength = 0; // for typing and pasting only; 0: no limit
    // Leave check limits: whole numbers for IntField, texts for DecimalField.
    int min = 0;
    int max = 0;
    QString minText;
    QString maxText;
    std::optional<CrossRule> cross;
    QString caption; // the label highlighted while the control has the focus
    // The help text the comment line shows; none empties the comment line.
    std::optional<TextKey> help;
    StatusText status = StatusText::Help;
    int focusedList = 0; // 1 … 5 for the five lists, else 0
    bool focusClearsInSync = false;
    bool keyClearsInSync = false; // any key pressed in it, typed or not
};

// The rules as the parameter catalogue writes them, one maker a kind of control.
namespace rule {
enum class ClearsInSync { Never, OnFocus, OnAnyKey };
FieldRule list(const char *name, const char *caption, TextKey help, int focusedList,
               ClearsInSync clears = ClearsInSync::Never);
FieldRule intField(const char *name, const char *caption, TextKey help, int maxLength, int min, int max,
                   std::optional<CrossRule> cross = std::nullopt);
// The volts fields: four characters hold "d,dd".
FieldRule decimalField(const char *name, const char *caption, TextKey help, const char *minText,
                       const char *maxText);
FieldRule box(const char *name, const char *caption, std::optional<TextKey> help, StatusText status);
CrossRule against(const char *neighbour, CrossRule::Side side, int gap,
                  CrossRule::When when = CrossRule::When::Leaving);
} // namespace rule

// The rules of the parameter catalogue's controls on the page, in its order.
const QList<FieldRule> &fieldRules();
// The row of the control with this object name, or nullptr.
const FieldRule *fieldRule(const QString &objectName);

// Clicking a caption label focuses its control. minprzelbgLabel has none.
struct CaptionClick
{
    QString label;
    QString control;
    bool onlyWhileEnabled = false; // ignored while the control is disabled
};
const QList<CaptionClick> &captionClicks();

// Typed characters: the key kept, '.' turned into ',' by DecimalKey, or a
// null QChar when it is dropped. Backspace (8) and character 127 pass.
QChar DigitsOnlyKey(QChar key);
QChar DecimalKey(QChar key);
QChar filterKey(KeyFilter filter, QChar key);

// A pasted text as if typed, cut at the field's maximum length. text is what
// the field would hold after the paste.
QString pasteFilter(const FieldRule &rule, const QString &text);

// Leave checks; they give the text the field is to show. A text that is not a
// whole number counts as empty and gives min; a digit string too long for an
// int is above max.
QString CheckIntField(const QString &text, int min, int max);
// Worked on the decimal digits, never in binary: a text that is not digits
// with at most one comma, or is at or below minText, gives minText; above
// maxText gives maxText; otherwise the value is rounded halves up, to
// hundredths below 1 and to tenths from 1 up, and shown with two decimals:
// "1,25" gives "1,30", "0,125" gives "0,13", "5" gives "5,00".
QString CheckDecimalField(const QString &text, const QString &minText, const QString &maxText);

// The texts of the page's controls by object name.
using TextOf = std::function<QString(const QString &objectName)>;

// The check run when the control is left: its limits, then its cross rule.
// Lists and boxes keep their text.
QString leaveCheck(const FieldRule &rule, const QString &text, const TextOf &textOf);
// The check Enter runs on the focused control: the leave check and then the
// cross rule that holds only on Enter.
QString CheckFocusedField(const FieldRule &rule, const QString &text, const TextOf &textOf);

} // namespace qx
