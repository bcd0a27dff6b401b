#pragma once

#include <QString>

class QLabel;
class QMainWindow;

namespace qx {

// StatusBar1's two panels: panel 0 says whether the controller answers,
// panel 1 what a command did.
class StatusPanels
{
public:
    explicit StatusPanels(QMainWindow &window);

    // Panel 1 is painted at once: autodetection shows each port's outcome
    // while the scan goes on without the event loop.
    void setText(int panel, const QString &text);
    QString text(int panel) const;

private:
    QLabel *panels_[2];
};

} // namespace qx
