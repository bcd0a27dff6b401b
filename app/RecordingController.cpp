#include "RecordingController.h"

#include "DriveViewer.h"
#include "LanguageTable.h"
#include "LivePolls.h"
#include "StatusPanels.h"
#include "VisualisationPage.h"

#include <QDir>

namespace qx {

RecordingController::RecordingController(QWidget &window, VisualisationPage &page, LivePolls &polls,
                                         StatusPanels &status, const LanguageTable &texts)
    : window_(window), polls_(polls), status_(status), texts_(texts)
{
    connect(&page, &VisualisationPage::recordingToggled, this, &RecordingController::NagrywanieButtonClick);
    connect(&page, &VisualisationPage::lastRecordingRequested, this, &RecordingController::showLastRecording);
    polls_.onRecordingFailed = [this](const QString &reason) {
        status_.setText(1, texts_.text(TextKey::RecordingFailed).arg(reason));
    };
}

void RecordingController::NagrywanieButtonClick()
{
    if (polls_.recorder().isRecording()) {
        polls_.stopRecording();
        return;
    }
    QString error;
    const bool started = polls_.startRecording(&error);
    status_.setText(1, started ? texts_.text(TextKey::RecordingStarted)
                                     .arg(QDir::toNativeSeparators(polls_.recorder().fileName()))
                               : texts_.text(TextKey::RecordingFailed).arg(error));
}

void RecordingController::openViewer(const QString &recording)
{
    if (!viewer_)
        viewer_ = new DriveViewer([this](TextKey key) { return texts_.text(key); }, &window_);
    if (!recording.isEmpty() && !viewer_->openRecording(recording))
        return;
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    if (recording.isEmpty())
        viewer_->chooseRecording();
}

void RecordingController::showLastRecording()
{
    if (polls_.recorder().isRecording())
        polls_.stopRecording();
    openViewer(polls_.recorder().fileName());
}

} // namespace qx
