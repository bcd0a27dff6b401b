#include "KeyCommands.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace qx {

KeyCommands::KeyCommands(QWidget *window, std::function<Page()> currentPage)
    : QObject(window), window_(window), currentPage_(std::move(currentPage))
{
    qApp->installEventFilter(this);
}

void KeyCommands::setHandlers(Page page, Handler enter, Handler back)
{
    handlers_[page] = {std::move(enter), std::move(back)};
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
    if (event->type() == QEvent::ShortcutOverride) {
        // An open drop-down takes its entry on the override already; a page
        // with its own Enter and Backspace gets them as plain key presses.
        if (handlers_.count(currentPage_()) == 0)
            return false;
        key->accept();
        return true;
    }
    return enter ? DalejClick(target) : CofnijClick(target);
}

} // namespace qx
