#pragma once

#include <QTabWidget>

#include <functional>

namespace qx {

// The main page control. A page the user picks (a tab clicked, Ctrl+Tab)
// may be refused by the leave checks of the page shown; pages set from the
// program change without them.
class PageControl final : public QTabWidget
{
    Q_OBJECT

public:
    explicit PageControl(QWidget *parent = nullptr);

    // Asked before a page change the user makes; false keeps the page.
    void setChangeCheck(std::function<bool()> check) { check_ = std::move(check); }
    // A user's change of page: the leave checks, then the change.
    void requestPage(int index);

signals:
    // The user changed the page (after the checks allowed it).
    void changedByUser();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int neighbourPage(int step) const;

    std::function<bool()> check_;
};

} // namespace qx
