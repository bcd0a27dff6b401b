#pragma once

#include "PageNavigator.h"

#include <QObject>

#include <functional>
#include <map>

class QComboBox;
class QWidget;

namespace qx {

// Enter ("Dalej") and Backspace ("Cofnij") act on the page shown: each page
// that has something to do with them registers its handlers. A handler gets
// the control with the focus and says whether it took the key; a key nobody
// takes reaches that control as usual, so every control keeps its own keys.
// Enter in an open drop-down first takes the highlighted entry, as a click
// would; then the page's Enter for a chosen list acts on the new choice.
class KeyCommands final : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<bool(QWidget *focus)>;

    KeyCommands(QWidget *window, std::function<Page()> currentPage);

    void setHandlers(Page page, Handler enter, Handler back, Handler listChosen = nullptr);

    bool DalejClick(QWidget *focus);
    bool CofnijClick(QWidget *focus);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Handlers
    {
        Handler enter;
        Handler back;
        Handler listChosen;
    };
    bool belongsToWindow(const QWidget *widget) const;
    // Enter in an open drop-down of the page shown.
    bool takeListEntry(QComboBox *list, QEvent *event);

    QWidget *window_;
    std::function<Page()> currentPage_;
    std::map<Page, Handlers> handlers_;
};

} // namespace qx
