#pragma once

#include <QObject>

class QWidget;

namespace qx {

class DriveViewer;
class LanguageTable;
class LivePolls;
class StatusPanels;
class VisualisationPage;

// The Visualisation page's drive recording: the record button and Ctrl+R
// start and stop it; what happened is told in the status bar, never in a
// box, so the polling runs on.
class RecordingController final : public QObject
{
    Q_OBJECT

public:
    RecordingController(QWidget &window, VisualisationPage &page, LivePolls &polls, StatusPanels &status,
                        const LanguageTable &texts);

    void NagrywanieButtonClick();
    // The viewer, made at its first use, with the recording (a damaged one
    // leaves it as it was) or with none, to choose one.
    void openViewer(const QString &recording = QString());
    DriveViewer *viewer() const { return viewer_; }

private:
    // The recording just stopped, or the viewer to choose one.
    void showLastRecording();

    QWidget &window_;
    DriveViewer *viewer_ = nullptr;
    LivePolls &polls_;
    StatusPanels &status_;
    const LanguageTable &texts_;
};

} // namespace qx
