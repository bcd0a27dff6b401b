#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

namespace qxsim {

struct ControllerReply
{
    QByteArray bytes;
    bool liveFrame = false;
};

// The controller's side of the protocol: splits the byte stream into
// commands by each command's argument count, keeps what is written and
// builds the replies. Knows nothing of ports or time.
class ControllerEngine
{
public:
    using FrameSource = std::function<QByteArray()>;

    static constexpr int MinVersion = 3;
    static constexpr int MaxVersion = 8;

    ControllerEngine();

    // Supplies the reply to the live-data request.
    void setFrameSource(FrameSource source);

    void setVersion(int version);  // clamped to 3..8
    int version() const { return m_version; }
    void setParameterBlock(const QByteArray &block);  // padded or cut to 37 bytes
    const QByteArray &parameterBlock() const { return m_block; }
    void setAnalogThreshold(quint8 threshold) { m_threshold = threshold; }
    quint8 analogThreshold() const { return m_threshold; }
    bool inConfigurationBlock() const { return m_inConfigurationBlock; }

    // Takes one byte from the program; returns the reply when the byte
    // completes a request that has one.
    std::optional<ControllerReply> receive(quint8 byte);
    // Forgets a half-received command, as a fresh port would.
    void resetInput();

    // How many argument bytes follow a command byte; -1 for no command.
    static int argumentCount(quint8 code);

private:
    struct Command;
    static const Command *findCommand(quint8 code);
    std::optional<ControllerReply> execute(const Command &command, const QByteArray &arguments);
    QByteArray versionReply() const;

    FrameSource m_frameSource;
    int m_version = MaxVersion;
    QByteArray m_block;
    quint8 m_threshold = 1;
    bool m_inConfigurationBlock = false;
    const Command *m_pending = nullptr;
    QByteArray m_arguments;
};

} // namespace qxsim
