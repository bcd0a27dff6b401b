#pragma once

#include <QTabWidget>

#include <functional>

namespace qx {

// A page control whose pages change only as the program means: a page the
// user picks (a tab clicked, or Ctrl+Tab where the keyboard may page) may be
// refused by a check first; the mouse wheel and a focused tab bar's arrow
// keys never change the page. Pages set from the program change without the
// check.
class PageControl final : public QTabWidget
{
    Q_OBJECT

public:
    explicit PageControl(QWidget *parent = nullptr);

    // Asked before a page change the user makes; false keeps the page.
    void setChangeCheck(std::function<bool()> check) { check_ = std::move(check); }
    // Without keyboard paging Ctrl+Tab and its kin pass on to the parents.
    void setKeyboardPaging(bool on) { keyboardPaging_ = on; }
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
    bool keyboardPaging_ = true;
};

} // namespace qx
