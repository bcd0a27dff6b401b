#include "StatusPanels.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace qx {

StatusPanels::StatusPanels(QMainWindow &window)
{
    auto *status = new QStatusBar(&window);
    status->setObjectName(QStringLiteral("StatusBar1"));
    static constexpr int panelWidths[2] = {150, 50};
    for (int i = 0; i < 2; ++i) {
        panels_[i] = new QLabel(status);
        panels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panels_[i]->setTextFormat(Qt::PlainText);
        panels_[i]->setMinimumWidth(panelWidths[i]);
    }
    // The first panel keeps its width; the last one runs to the window's edge.
    panels_[0]->setFixedWidth(panelWidths[0]);
    status->addWidget(panels_[0]);
    status->addWidget(panels_[1], 1);
    window.setStatusBar(status);
}

void StatusPanels::setText(int panel, const QString &text)
{
    panels_[panel]->setText(text);
    if (panel == 1)
        panels_[panel]->repaint();
}

QString StatusPanels::text(int panel) const
{
    return panels_[panel]->text();
}

} // namespace qx
