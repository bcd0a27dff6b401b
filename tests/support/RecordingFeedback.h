#pragma once

#include "LinkFeedback.h"

// Stands in for the main window's status bar, transmission label and error
// box: keeps what the channel last showed and counts what it reported.
struct RecordingFeedback final : qx::LinkFeedback
{
    void portOpenFailed() override { ++openFailures; }
    void showNoReply(bool noReply) override { noReplyShown = noReply; }
    void showTransmissionError(bool failing) override
    {
        transmissionError = failing;
        ++transmissionCalls;
    }

    int openFailures = 0;
    bool noReplyShown = false;
    bool transmissionError = false;
    int transmissionCalls = 0;
};
