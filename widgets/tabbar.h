#pragma once

#include "tabanalog.h"

// An instrument whose value is a coloured bar or column.
class TAbBar : public TAbAnalog
{
    Q_OBJECT
public:
    const BarSettings &barSettings() const { return m_bar; }
    void setBarSettings(const BarSettings &settings);

protected:
    using TAbAnalog::TAbAnalog;

    // The bar's own colour, or with opUseSectorCol the colour of the sector
    // the value lies in.
    QColor barColor() const;
    bool hasBar(BarSettings::Option option) const { return m_bar.options.testFlag(option); }

private:
    BarSettings m_bar;
};
