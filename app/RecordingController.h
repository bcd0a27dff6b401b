#pragma once

#include <QObject>

namespace qx {

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
    RecordingController(VisualisationPage &page, LivePolls &polls, StatusPanels &status, const LanguageTable &texts);

    void NagrywanieButtonClick();

private:
    LivePolls &polls_;
    StatusPanels &status_;
    const LanguageTable &texts_;
};

} // namespace qx
