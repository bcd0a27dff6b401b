#pragma once

namespace qx {

// What the serial channel shows the user; the main window implements it with
// its status bar, its transmission-error label and the dialog service, taking
// the current language's texts.
class LinkFeedback
{
public:
    virtual ~LinkFeedback() = default;

    // The port could not be opened (error dialog).
    virtual void portOpenFailed() = 0;
    // Status-bar panel 0: the no-reply text, or empty once bytes arrived.
    virtual void showNoReply(bool noReply) = 0;
    // The large red label of the live page: the no-reply text, or empty.
    virtual void showTransmissionError(bool failing) = 0;
};

} // namespace qx
