// The Visualisation page's drive recording: the record button and Ctrl+R
// start and stop it; what happened is told in the status bar, never in a
// box, so the polling runs on.
#include "TForm1.h"

#include "VisualisationPage.h"

#include <QDir>

namespace qx {

void TForm1::connectDriveRecording()
{
    connect(WizualizacjaTab, &VisualisationPage::recordingToggled, this, &TForm1::NagrywanieButtonClick);
    livePolls_->onRecordingFailed = [this](const QString &reason) {
        setStatusText(1, texts_.text(TextKey::RecordingFailed).arg(reason));
    };
}

void TForm1::NagrywanieButtonClick()
{
    if (livePolls_->recorder().isRecording()) {
        livePolls_->stopRecording();
        return;
    }
    QString error;
    const bool started = livePolls_->startRecording(&error);
    setStatusText(1, started ? texts_.text(TextKey::RecordingStarted)
                                   .arg(QDir::toNativeSeparators(livePolls_->recorder().fileName()))
                             : texts_.text(TextKey::RecordingFailed).arg(error));
}

} // namespace qx
