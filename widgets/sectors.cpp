#include "sectors.h"

int sectorAt(const SectorSettings &settings, double position)
{
    for (int i = 0; i < int(settings.sectors.size()); ++i) {
        const Sector &s = settings.sectors[i];
        if (s.color.isValid() && s.from <= position && position <= s.to)
            return i;
    }
    return -1;
}

QColor sectorColor(const SectorSettings &settings, double position, const QColor &plain)
{
    const int i = sectorAt(settings, position);
    return i < 0 ? plain : settings.sectors[i].color;
}
