#pragma once

#include "PageNavigator.h"

#include <QObject>

#include <functional>
#include <map>

class QWidget;

namespace qx {

// Enter ("Dalej") and Backspace ("Cofnij") act on the page shown: each page
// that has something to do with them registers its handlers. A handler gets
// the control with the focus and says whether it took the key; a key nobody
// takes reaches that control as usual, so every control keeps its own keys.
class KeyCommands final : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<bool(QWidget *focus)>;

    KeyCommands(QWidget *window, std::function<Page()> currentPage);

    void setHandlers(Page page, Handler enter, Handler back);

    bool DalejClick(QWidget *focus);
    bool CofnijClick(QWidget *focus);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Handlers
    {
        Handler enter;
        Handler back;
    };
    bool belongsToWindow(const QWidget *widget) const;

    QWidget *window_;
    std::function<Page()> currentPage_;
    std::map<Page, Handlers> handlers_;
};

} // namespace qx
