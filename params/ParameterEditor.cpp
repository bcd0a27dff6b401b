#include "ParameterEditor.h"

#include "FieldRules.h"
#include "ParametersPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace qx {

namespace {

// A safety net for input that does not come through the keys the editor
// filters (a middle-click paste): such input is refused unless it is what
// typing could have produced. Texts set by the program are never touched.
class TypedInputCheck final : public QValidator
{
public:
    TypedInputCheck(const FieldRule &rule, QObject *parent) : QValidator(parent), rule_(rule) {}

    State validate(QString &input, int &) const override
    {
        if (rule_.maxLength > 0 && input.size() > rule_.maxLength)
            return Invalid;
        for (const QChar c : input) {
            if (filterKey(rule_.filter, c) != c)
                return Invalid;
        }
        return Acceptable;
    }

private:
    const FieldRule &rule_;
};

bool isTyping(const QKeyEvent *key)
{
    const QString text = key->text();
    return text.size() == 1 && text.at(0).isPrint();
}

} // namespace

ParameterEditor::ParameterEditor(ParametersPage &page, TextSource texts)
    : QObject(&page), page_(page), texts_(std::move(texts))
{
    for (const FieldRule &rule : fieldRules())
        attach(rule);
    for (const CaptionClick &click : captionClicks())
        page_.findChild<QLabel *>(click.label)->installEventFilter(this);
}

void ParameterEditor::attach(const FieldRule &rule)
{
    QWidget *control = page_.findChild<QWidget *>(rule.name);
    control->installEventFilter(this);
    if (auto *field = qobject_cast<QLineEdit *>(control)) {
        field->setValidator(new TypedInputCheck(rule, field));
        // The program's own menu would paste around the filter.
        field->setContextMenuPolicy(Qt::NoContextMenu);
        connect(field, &QLineEdit::textEdited, this, &ParameterEditor::edited);
    } else if (auto *list = qobject_cast<QComboBox *>(control)) {
        connect(list, &QComboBox::activated, this, &ParameterEditor::edited);
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        connect(box, &QCheckBox::clicked, this, &ParameterEditor::edited);
    }
}

QString ParameterEditor::textOf(const QString &name) const
{
    if (const auto *field = page_.findChild<QLineEdit *>(name))
        return field->text();
    return QString();
}

bool ParameterEditor::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (event->type() != QEvent::MouseButtonPress)
            return false;
        for (const CaptionClick &click : captionClicks()) {
            if (click.label != label->objectName())
                continue;
            QWidget *control = page_.findChild<QWidget *>(click.control);
            if (control->isEnabled() || !click.onlyWhileEnabled)
                control->setFocus(Qt::MouseFocusReason);
        }
        return false;
    }

    const FieldRule *rule = fieldRule(widget->objectName());
    switch (event->type()) {
    case QEvent::FocusIn:
        if (rule)
            focused(*rule);
        return false;
    case QEvent::FocusOut:
        // A context menu or another window taking the focus is no leaving.
        if (auto *field = qobject_cast<QLineEdit *>(widget)) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                runLeaveCheck(field);
        }
        return false;
    case QEvent::MouseButtonPress:
        // A click into a field or on a list counts as an edit.
        if (rule && (rule->kind != FieldKind::Box))
            emit edited();
        return false;
    case QEvent::Wheel:
        // Lists turn under the wheel only while they have the focus.
        return qobject_cast<QComboBox *>(widget) && !widget->hasFocus();
    case QEvent::KeyPress:
        break;
    default:
        return false;
    }

    // Only the page's fields, boxes and lists come here: the commands keep
    // PageUp and PageDown to themselves.
    auto *key = static_cast<QKeyEvent *>(event);
    if (navigationKey(widget, key->key()))
        return true;
    if (rule && rule->keyClearsInSync)
        emit edited();
    if (qobject_cast<QComboBox *>(widget))
        return isTyping(key); // no type-ahead: a list changes only by arrows or its drop-down
    auto *field = qobject_cast<QLineEdit *>(widget);
    if (!field || !rule)
        return false;
    if (key->matches(QKeySequence::Paste)) {
        const QString room = field->text().remove(field->selectionStart(), field->selectedText().size());
        QString pasted = pasteFilter(*rule, QApplication::clipboard()->text());
        if (rule->maxLength > 0)
            pasted.truncate(qMax(0, rule->maxLength - int(room.size())));
        field->insert(pasted);
        emit edited();
        return true;
    }
    if (!isTyping(key))
        return false;
    const QChar typed = filterKey(rule->filter, key->text().at(0));
    const int length = int(field->text().size() - field->selectedText().size());
    if (typed.isNull() || (rule->maxLength > 0 && length >= rule->maxLength))
        return true;
    if (typed != key->text().at(0)) {
        field->insert(typed); // '.' typed as ','
        emit edited();
        return true;
    }
    return false;
}

bool ParameterEditor::navigationKey(QWidget *control, int key)
{
    if (key != Qt::Key_PageDown && key != Qt::Key_PageUp)
        return false;
    const bool forward = key == Qt::Key_PageDown;
    // The lists close the round: PageUp on the first goes to the last, and back.
    const QString name = control->objectName();
    if (!forward && name == QLatin1String("ComboBox1"))
        page_.findChild<QWidget *>(QStringLiteral("ComboBox21"))->setFocus(Qt::BacktabFocusReason);
    else if (forward && name == QLatin1String("ComboBox21"))
        page_.findChild<QWidget *>(QStringLiteral("ComboBox1"))->setFocus(Qt::TabFocusReason);
    else
        moveFocus(control, forward);
    return true;
}

void ParameterEditor::moveFocus(QWidget *from, bool forward)
{
    // As Tab and Shift+Tab would: disabled and hidden controls are passed by.
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QApplication::sendEvent(from, &tab);
}

void ParameterEditor::focused(const FieldRule &rule)
{
    ShowFieldHelp(rule);
    // Every caption back to transparent, then the focused control's lit.
    for (const FieldRule &other : fieldRules()) {
        auto *caption = page_.findChild<QLabel *>(other.caption);
        const bool lit = other.caption == rule.caption;
        caption->setAutoFillBackground(lit);
        if (lit) {
            QPalette palette = caption->palette();
            palette.setColor(QPalette::Window, captionBackground_);
            caption->setPalette(palette);
        }
    }
    if (rule.status == StatusText::Help)
        emit statusText(rule.help ? texts_(*rule.help) : QString());
    else if (rule.status == StatusText::Empty)
        emit statusText(QString());
    focusedList_ = rule.focusedList;
    if (rule.focusClearsInSync)
        emit edited();
}

void ParameterEditor::ShowFieldHelp(const FieldRule &rule)
{
    auto *info = page_.findChild<QLabel *>(QStringLiteral("info"));
    info->setText(page_.commentsOn() && rule.help ? texts_(*rule.help) : QString());
}

void ParameterEditor::runLeaveCheck(QLineEdit *field)
{
    if (const FieldRule *rule = fieldRule(field->objectName()))
        field->setText(leaveCheck(*rule, field->text(), [this](const QString &name) { return textOf(name); }));
}

void ParameterEditor::leaveFocusedField()
{
    if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()); field && page_.isAncestorOf(field))
        runLeaveCheck(field);
}

QComboBox *ParameterEditor::pageListOf(QWidget *widget) const
{
    // An open drop-down is a window of its own, parented to its list.
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (auto *list = qobject_cast<QComboBox *>(w))
            return fieldRule(list->objectName()) && page_.isAncestorOf(list) ? list : nullptr;
    }
    return nullptr;
}

bool ParameterEditor::enter(QWidget *focus)
{
    if (!focus)
        return false;
    // A closed list opens; Enter in the open one comes to listChosen.
    if (QComboBox *list = pageListOf(focus)) {
        list->showPopup();
        return true;
    }
    if (!page_.isAncestorOf(focus))
        return false;
    if (auto *button = qobject_cast<QPushButton *>(focus)) {
        button->click();
        return true;
    }
    const FieldRule *rule = fieldRule(focus->objectName());
    if (!rule)
        return true; // the comments box: Enter does nothing there
    if (auto *field = qobject_cast<QLineEdit *>(focus))
        field->setText(CheckFocusedField(*rule, field->text(), [this](const QString &name) { return textOf(name); }));
    saveAndMoveOn(focus);
    return true;
}

bool ParameterEditor::listChosen(QWidget *list)
{
    if (!pageListOf(list))
        return false;
    saveAndMoveOn(list);
    return true;
}

void ParameterEditor::saveAndMoveOn(QWidget *from)
{
    emit saveByEnter();
    moveFocus(from, true);
}

bool ParameterEditor::backspace(QWidget *focus) const
{
    if (pageListOf(focus))
        return true;
    return focus && page_.isAncestorOf(focus) && !qobject_cast<QLineEdit *>(focus);
}

} // namespace qx
