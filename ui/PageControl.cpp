#include "PageControl.h"

#include <QKeyEvent>
#include <QTabBar>

namespace qx {

namespace {

// Tabs that go through the page control's checks when clicked, and that
// flip no page under the mouse wheel or the arrow keys.
class CheckedTabBar final : public QTabBar
{
public:
    explicit CheckedTabBar(PageControl *pages) : QTabBar(pages), pages_(pages) { setFocusPolicy(Qt::NoFocus); }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        const int index = tabAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && index >= 0 && index != currentIndex()) {
            pages_->requestPage(index);
            event->accept();
            return;
        }
        QTabBar::mousePressEvent(event);
    }
    void wheelEvent(QWheelEvent *event) override { event->ignore(); }
    // Arrow keys would change the page behind the check's back.
    void keyPressEvent(QKeyEvent *event) override { event->ignore(); }

private:
    PageControl *pages_;
};

} // namespace

PageControl::PageControl(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new CheckedTabBar(this));
}

void PageControl::requestPage(int index)
{
    if (index < 0 || index >= count() || index == currentIndex() || !isTabVisible(index))
        return;
    if (check_ && !check_())
        return;
    setCurrentIndex(index);
    emit changedByUser();
}

int PageControl::neighbourPage(int step) const
{
    for (int i = 1; i < count(); ++i) {
        const int index = (currentIndex() + step * i + count()) % count();
        if (isTabVisible(index) && isTabEnabled(index))
            return index;
    }
    return currentIndex();
}

void PageControl::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool forward = event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown;
    const bool backward = event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp;
    if (!ctrl || !(forward || backward)) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    if (!keyboardPaging_) {
        event->ignore();
        return;
    }
    requestPage(neighbourPage(forward ? 1 : -1));
    event->accept();
}

} // namespace qx
