#pragma once

#include "DrivePlot.h"

#include <QWidget>

class QLabel;

namespace qx {

// The drive viewer ("Przeglądarka nagrań"): a recording's plots, a summary of
// the drive beside them, and commands to open another recording and to save
// the view as a picture.
class DriveViewer final : public QWidget
{
    Q_OBJECT

public:
    explicit DriveViewer(DrivePlot::TextSource texts, QWidget *parent = nullptr);

    // Shows the recording. A damaged one changes nothing: a box names the
    // file and its first bad line. A recording still being written shows as
    // far as its last whole line.
    bool openRecording(const QString &fileName);
    // Asks for a recording in the recordings folder, then opens it.
    void chooseRecording();
    // Asks for a PNG or PDF name, then saves the view.
    void exportView();

    DrivePlot *plot() const { return plot_; }
    QString summaryText() const;

private:
    void showSummary(const DriveSummary &summary);

    DrivePlot::TextSource texts_;
    DrivePlot *plot_;
    QLabel *summary_;
    QString fileName_;
};

} // namespace qx
