#pragma once

#include <QColor>

#include <array>

// Three coloured stretches of a scale, bounds in thousandths of the span.
// A sector without a valid colour is unused and matches nothing.
struct Sector
{
    int from = 0;
    int to = 0;
    QColor color;
};

struct SectorSettings
{
    std::array<Sector, 3> sectors;
};

// Index (0..2) of the first sector holding the position, or -1. Sectors are
// tried in order, so a boundary shared by two sectors belongs to the lower one.
int sectorAt(const SectorSettings &settings, double position);

// The colour of the sector holding the position, or `plain` when none does.
QColor sectorColor(const SectorSettings &settings, double position, const QColor &plain);
