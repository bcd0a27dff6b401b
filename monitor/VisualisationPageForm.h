#pragma once

#include "VisualisationPage.h"

#include <QColor>

#include <array>

// The four traces of the Visualisation page's chart, as a table: the page
// builds their selectors and scale panels from it and its handlers find them
// through it.

namespace qx::visualisation {

struct TraceRow
{
    QCheckBox *VisualisationPage::*selector;
    const char *selectorName;
    const char *caption;
    QLabel *VisualisationPage::*scalePanel;
    const char *scalePanelName;
    const char *scaleText; // what the top of the chart stands for
    QColor colour;
};

// Indexed by TScope::Channel.
const std::array<TraceRow, TScope::channelCount> &traceRows();

} // namespace qx::visualisation
