#pragma once

#include "ControllerProtocol.h"
#include "LanguageTable.h"
#include "LinkFeedback.h"
#include "SerialChannel.h"

#include <QMainWindow>

class QLabel;

namespace qx {

// The main window: owns the serial channel, the protocol state and the texts
// for the life of the process.
class TForm1 final : public QMainWindow, public LinkFeedback
{
    Q_OBJECT

public:
    // The window's client area at the design size.
    static constexpr int DesignWidth = 799;
    static constexpr int DesignHeight = 540;

    explicit TForm1(std::unique_ptr<PortIo> port, PortNameResolver ports = PortNameResolver(),
                    QWidget *parent = nullptr);
    ~TForm1() override;

    // Start-up: identifies the controller and leaves the port open.
    void FormCreate();

    SerialChannel &channel() { return channel_; }
    ControllerProtocol &protocol() { return protocol_; }
    LanguageTable &texts() { return texts_; }
    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString &text);

    // LinkFeedback
    void portOpenFailed() override;
    void showNoReply(bool noReply) override;
    void showTransmissionError(bool failing) override;

private:
    // Language keys of the link's texts.
    static constexpr int NoReplyKey = 10390;
    static constexpr int PortOpenErrorKey = 30012;

    LanguageTable texts_;
    SerialChannel channel_;
    ControllerProtocol protocol_;
    QLabel *statusPanels_[2];
};

} // namespace qx
