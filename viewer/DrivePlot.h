#pragma once

#include "DriveChannels.h"
#include "TextKeys.h"

#include <qcustomplot.h>

#include <functional>

namespace qx {

// A recorded drive as stacked plots on one time axis (mm:ss): engine speed,
// lambda with the probe's threshold, TPS, stepper, temperature where the
// controller has the sensor, gas level, and petrol/gas as a band, with a
// marker at each switch. The wheel zooms time, a drag pans it, a drag with
// Shift zooms to its box, and F fits the whole drive. A cursor line reads
// every channel at one poll; the arrow keys move it poll by poll.
class DrivePlot final : public QCustomPlot
{
    Q_OBJECT

public:
    using TextSource = std::function<QString(TextKey)>;

    explicit DrivePlot(TextSource texts, QWidget *parent = nullptr);

    void setDrive(const DriveChannels &channels);
    void fitAll();
    // The poll the cursor stands on, and where it moves to.
    int cursorPoll() const { return cursor_; }
    void setCursorPoll(int poll);
    // The view as a picture: PNG or PDF by the name's suffix; false when it
    // could not be written or the suffix is neither.
    bool exportView(const QString &fileName, int width = 1600, int height = 1200);

signals:
    void cursorMoved(int poll);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    struct Strip
    {
        QCPAxisRect *rect;
        QCPGraph *graph;
        const QVector<double> *values;
        TextKey name;
    };
    Strip addStrip(TextKey name, const QVector<double> &values, const QColor &colour, QCPMarginGroup *margins);
    void addSwitchMarkers();
    void showCursor();

    TextSource texts_;
    DriveChannels channels_;
    QList<Strip> strips_;
    QList<QCPItemStraightLine *> cursorLines_;
    QList<QCPItemText *> readouts_;
    int cursor_ = 0;
};

} // namespace qx
