#pragma once

#include "TextKeys.h"

#include <QColor>
#include <QObject>

#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;

namespace qx {

class ParametersPage;
struct FieldRule;

// How the fitter edits the Parameters page from the keyboard: typed and
// pasted characters filtered, every field checked when it is left, the
// focused control's caption highlighted and its help shown, PageUp and
// PageDown through the controls, and what Enter and Backspace do there.
class ParameterEditor final : public QObject
{
    Q_OBJECT

public:
    using TextSource = std::function<QString(TextKey)>;

    ParameterEditor(ParametersPage &page, TextSource texts);

    // Enter with focus on the page; false when the key is not the page's to take.
    bool enter(QWidget *focus);
    // Enter took the entry of one of the page's open lists: save everything
    // and move on.
    bool listChosen(QWidget *list);
    // Backspace: a field deletes as usual (false: let the field have it);
    // lists, boxes and buttons of the page ignore it (true: taken).
    bool backspace(QWidget *focus) const;
    // The leave check of the field that has the focus, as leaving it would.
    void leaveFocusedField();

    // The list (1 … 5) or other control (0) that last had the focus.
    int focusedList() const { return focusedList_; }
    // The background of the focused control's caption.
    void setCaptionBackground(const QColor &colour) { captionBackground_ = colour; }
    QColor captionBackground() const { return captionBackground_; }

signals:
    // Panel 1 of the status bar.
    void statusText(const QString &text);
    // The fitter changed a parameter by hand.
    void edited();
    // Enter confirmed the page: save everything, the focus staying put.
    void saveByEnter();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attach(const FieldRule &rule);
    void focused(const FieldRule &rule);
    void ShowFieldHelp(const FieldRule &rule);
    void runLeaveCheck(QLineEdit *field);
    bool navigationKey(QWidget *control, int key);
    void moveFocus(QWidget *from, bool forward);
    void saveAndMoveOn(QWidget *from);
    QComboBox *pageListOf(QWidget *widget) const;
    QString textOf(const QString &name) const;

    ParametersPage &page_;
    TextSource texts_;
    QColor captionBackground_ = QColor(0xEE, 0xEE, 0xEE);
    int focusedList_ = 0;
};

} // namespace qx
