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

} // namespace qx::visualisation

namespace qx {

// The page's tables, which name its private controls.
struct VisualisationPageTables
{
    // Indexed by TScope::Channel.
    static const std::array<visualisation::TraceRow, TScope::channelCount> &traceRows();
};

} // namespace qx
