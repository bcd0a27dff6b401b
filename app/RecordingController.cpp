#include "RecordingController.h"

#include "LanguageTable.h"
#include "LivePolls.h"
#include "StatusPanels.h"
#include "VisualisationPage.h"

#include <QDir>

namespace qx {

RecordingController::RecordingController(VisualisationPage &page, LivePolls &polls, StatusPanels &status,
                                         const LanguageTable &texts)
    : polls_(polls), status_(status), texts_(texts)
{
    connect(&page, &VisualisationPage::recordingToggled, this, &RecordingController::NagrywanieButtonClick);
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

} // namespace qx
