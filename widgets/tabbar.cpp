#include "tabbar.h"

void TAbBar::setBarSettings(const BarSettings &settings)
{
    m_bar = settings;
    invalidateFace();
}

QColor TAbBar::barColor() const
{
    if (!hasBar(BarSettings::opUseSectorCol))
        return m_bar.color;
    return sectorColor(sectorSettings(), mapping().valuePosition(value()), m_bar.color);
}
