#pragma once

#include <QAction>

#include <algorithm>
#include <iterator>

namespace qx {

// The tick of a radio group of menu items whose commands load a file. The
// menu ticks an item before its command runs, and a shortcut does so without
// the menu ever opening, so a load that fails hands the tick back to the item
// that stood before.
class StandingTick
{
public:
    void stand(QAction *item)
    {
        standing_ = item;
        item->setChecked(true);
    }
    // After the load of the item tried failed; with none standing before,
    // the item tried loses its tick again.
    void restore(QAction *tried) const
    {
        if (standing_)
            standing_->setChecked(true);
        else
            tried->setChecked(false);
    }

private:
    QAction *standing_ = nullptr;
};

// The position of the ticked item of a group, or -1 while none is ticked.
template <class Items>
int tickedIndex(const Items &items)
{
    const auto ticked =
        std::find_if(std::begin(items), std::end(items), [](const QAction *item) { return item->isChecked(); });
    return ticked == std::end(items) ? -1 : int(ticked - std::begin(items));
}

} // namespace qx
