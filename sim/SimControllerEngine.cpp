#include "SimControllerEngine.h"

#include "SimParameterBlock.h"
#include "SimLog.h"

#include <QtGlobal>

namespace qxsim {

namespace {

enum Code : quint8 {
    VersionQuery = 1,
    LiveData = 2,
    ReadBlock = 9,
    OpenConfiguration = 0xAA,
    CloseConfiguration = 0x0A,  // also ends an adaptation write sequence
    ReadThreshold = 0x22,
    WriteThreshold = 0x23,
};

constexpr int NotStored = -1;

// Bytes 1 to 7 of the version reply are our own: a revision byte and a tag
// that tells the simulator apart on the wire.
const char VersionTail[7] = {1, 'Q', 'X', 'S', 'I', 'M', 0};

} // namespace

struct ControllerEngine::Command
{
    quint8 code;
    int argumentCount;
    int blockOffset;  // where a parameter write lands in the block
};

const ControllerEngine::Command *ControllerEngine::findCommand(quint8 code)
{
    // Parameter writes store their argument bytes as they come, so a block
    // read returns exactly what was written.
    static const Command commands[] = {
        {VersionQuery, 0, NotStored},  {LiveData, 0, NotStored},         {ReadBlock, 0, NotStored},
        {OpenConfiguration, 0, NotStored}, {CloseConfiguration, 0, NotStored},
        {ReadThreshold, 0, NotStored}, {WriteThreshold, 1, NotStored},
        {5, 1, 0},   {6, 4, 1},   {7, 1, 5},   {8, 2, 6},   {11, 1, 8},  {15, 1, 9},
        {18, 2, 10}, {19, 1, 12}, {20, 2, 13}, {21, 2, 15}, {22, 2, 17}, {23, 1, 21},
        {24, 2, 19}, {25, 1, 22}, {26, 4, 23}, {27, 1, 27}, {28, 2, 28}, {30, 1, 31},
        {31, 2, 32}, {32, 2, 34},
    };
    for (const Command &command : commands) {
        if (command.code == code)
            return &command;
    }
    return nullptr;
}

int ControllerEngine::argumentCount(quint8 code)
{
    const Command *command = findCommand(code);
    return command ? command->argumentCount : -1;
}

ControllerEngine::ControllerEngine()
    : m_block(defaultParameterBlock())
{
}

void ControllerEngine::setFrameSource(FrameSource source)
{
    m_frameSource = std::move(source);
}

void ControllerEngine::setVersion(int version)
{
    m_version = qBound(MinVersion, version, MaxVersion);
}

void ControllerEngine::setParameterBlock(const QByteArray &block)
{
    m_block = block;
    m_block.resize(ParameterBlockSize, '\0');
}

void ControllerEngine::resetInput()
{
    m_pending = nullptr;
    m_arguments.clear();
}

std::optional<ControllerReply> ControllerEngine::receive(quint8 byte)
{
    if (m_pending) {
        m_arguments.append(char(byte));
    } else {
        m_pending = findCommand(byte);
        if (!m_pending) {
            qCWarning(lcSim, "ignoring unknown command byte 0x%02x", byte);
            return std::nullopt;
        }
    }
    if (m_arguments.size() < m_pending->argumentCount)
        return std::nullopt;
    const Command command = *m_pending;
    const QByteArray arguments = m_arguments;
    resetInput();
    return execute(command, arguments);
}

std::optional<ControllerReply> ControllerEngine::execute(const Command &command, const QByteArray &arguments)
{
    if (command.blockOffset != NotStored) {
        m_block.replace(command.blockOffset, arguments.size(), arguments);
        return std::nullopt;
    }
    switch (command.code) {
    case VersionQuery:
        return ControllerReply{versionReply(), false};
    case LiveData:
        return ControllerReply{m_frameSource ? m_frameSource() : QByteArray(), true};
    case ReadBlock:
        return ControllerReply{m_block, false};
    case OpenConfiguration:
        m_inConfigurationBlock = true;
        break;
    case CloseConfiguration:
        m_inConfigurationBlock = false;
        break;
    case ReadThreshold:
        return ControllerReply{QByteArray(1, char(ReadThreshold)) + char(m_threshold), false};
    case WriteThreshold:
        m_threshold = quint8(arguments.at(0));
        break;
    }
    return std::nullopt;
}

QByteArray ControllerEngine::versionReply() const
{
    return char(m_version) + QByteArray(VersionTail, sizeof VersionTail);
}

} // namespace qxsim
