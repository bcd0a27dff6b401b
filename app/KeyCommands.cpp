#include "KeyCommands.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

namespace qx {

KeyCommands::KeyCommands(QWidget *window, std::function<Page()> currentPage)
    : QObject(window), window_(window), currentPage_(std::move(currentPage))
{
    qApp->installEventFilter(this);
}

void KeyCommands::setHandlers(Page page, Handler enter, Handler back, Handler listChosen)
{
    handlers_[page] = {std::move(enter), std::move(back), std::move(listChosen)};
}

bool KeyCommands::DalejClick(QWidget *focus)
{
    const auto found = handlers_.find(currentPage_());
    return found != handlers_.end() && found->second.enter && found->second.enter(focus);
}

bool KeyCommands::CofnijClick(QWidget *focus)
{
    const auto found = handlers_.find(currentPage_());
    return found != handlers_.end() && found->second.back && found->second.back(focus);
}

bool KeyCommands::belongsToWindow(const QWidget *widget) const
{
    // An open drop-down is a window of its own whose parent is its list.
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w == window_)
            return true;
    }
    return false;
}

namespace {

// The list whose drop-down is open around a widget, if any.
QComboBox *openListOf(QWidget *widget)
{
    QWidget *popup = QApplication::activePopupWidget();
    if (!popup || (widget != popup && !popup->isAncestorOf(widget)))
        return nullptr;
    for (QWidget *w = popup; w; w = w->parentWidget()) {
        if (auto *list = qobject_cast<QComboBox *>(w))
            return list;
    }
    return nullptr;
}

} // namespace

bool KeyCommands::takeListEntry(QComboBox *list, QEvent *event)
{
    const auto found = handlers_.find(currentPage_());
    // A page without a word of its own leaves Enter to the drop-down.
    if (found == handlers_.end() || !found->second.listChosen)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    const int row = list->view()->currentIndex().row();
    list->hidePopup();
    if (row >= 0) {
        list->setCurrentIndex(row);
        emit list->activated(row); // as a choice by the mouse: the list's own handlers run
    }
    return found->second.listChosen(list);
}

bool KeyCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto *target = qobject_cast<QWidget *>(watched);
    // Message boxes and file dialogs keep their own Enter and Backspace.
    if (!target || !belongsToWindow(target) || QApplication::activeModalWidget())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if ((!enter && key->key() != Qt::Key_Backspace) || (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    if (QComboBox *list = enter ? openListOf(target) : nullptr)
        return takeListEntry(list, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // A page with its own Enter and Backspace gets them as plain key presses.
        if (handlers_.count(currentPage_()) == 0)
            return false;
        key->accept();
        return true;
    }
    return enter ? DalejClick(target) : CofnijClick(target);
}

} // namespace qx
