#include "ControlTexts.h"

#include "tabanalog.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace qx {

namespace {

void collect(QObject &parent, QMultiHash<QString, QObject *> &controls)
{
    for (QObject *child : parent.children()) {
        // A menu is a window of its own but part of this one; a dialog is not.
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget->isWindow() && !qobject_cast<QMenu *>(widget))
            continue;
        if (!child->objectName().isEmpty())
            controls.insert(child->objectName(), child);
        collect(*child, controls);
    }
}

// The tab widget that shows a page, and the page's position in it.
std::pair<QTabWidget *, int> tabOf(const QObject &control)
{
    const auto *page = qobject_cast<const QWidget *>(&control);
    for (QWidget *up = page ? page->parentWidget() : nullptr; up; up = up->parentWidget()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(up)) {
            const int index = tabs->indexOf(const_cast<QWidget *>(page));
            return {index >= 0 ? tabs : nullptr, index};
        }
    }
    return {nullptr, -1};
}

} // namespace

QMultiHash<QString, QObject *> namedControls(QWidget &window)
{
    QMultiHash<QString, QObject *> controls;
    collect(window, controls);
    return controls;
}

bool setControlText(QObject &control, const LanguageControl &how, const QString &text)
{
    switch (how.target) {
    case TextTarget::Caption:
        if (auto *label = qobject_cast<QLabel *>(&control)) {
            label->setTextFormat(Qt::PlainText);
            label->setText(text);
            return true;
        }
        if (auto *button = qobject_cast<QAbstractButton *>(&control)) {
            button->setText(text);
            return true;
        }
        return false;
    case TextTarget::TabTitle: {
        const auto [tabs, index] = tabOf(control);
        if (tabs)
            tabs->setTabText(index, text);
        return tabs;
    }
    case TextTarget::MenuTitle:
        if (auto *menu = qobject_cast<QMenu *>(&control)) {
            menu->setTitle(text);
            return true;
        }
        return false;
    case TextTarget::ActionText:
        if (auto *action = qobject_cast<QAction *>(&control)) {
            action->setText(text);
            return true;
        }
        return false;
    case TextTarget::ListEntry:
        if (auto *list = qobject_cast<QComboBox *>(&control)) {
            // Only an entry the list has: the list keeps its length.
            if (how.entry < list->count())
                list->setItemText(how.entry, text);
            return true;
        }
        return false;
    case TextTarget::MeterTitle:
        if (auto *meter = qobject_cast<TAbAnalog *>(&control)) {
            SignalSettings settings = meter->signalSettings();
            settings.name1 = text;
            meter->setSignalSettings(settings);
            return true;
        }
        return false;
    case TextTarget::ToolTip:
        if (auto *widget = qobject_cast<QWidget *>(&control)) {
            widget->setToolTip(text);
            widget->setAccessibleName(text);
            return true;
        }
        return false;
    }
    return false;
}

std::optional<QString> controlText(const QObject &control, const LanguageControl &how)
{
    switch (how.target) {
    case TextTarget::Caption:
        if (const auto *label = qobject_cast<const QLabel *>(&control))
            return label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
            return button->text();
        break;
    case TextTarget::TabTitle:
        if (const auto [tabs, index] = tabOf(control); tabs)
            return tabs->tabText(index);
        break;
    case TextTarget::MenuTitle:
        if (const auto *menu = qobject_cast<const QMenu *>(&control))
            return menu->title();
        break;
    case TextTarget::ActionText:
        if (const auto *action = qobject_cast<const QAction *>(&control))
            return action->text();
        break;
    case TextTarget::ListEntry:
        if (const auto *list = qobject_cast<const QComboBox *>(&control); list && how.entry < list->count())
            return list->itemText(how.entry);
        break;
    case TextTarget::MeterTitle:
        if (const auto *meter = qobject_cast<const TAbAnalog *>(&control))
            return meter->signalSettings().name1;
        break;
    case TextTarget::ToolTip:
        if (const auto *widget = qobject_cast<const QWidget *>(&control))
            return widget->toolTip();
        break;
    }
    return std::nullopt;
}

} // namespace qx
