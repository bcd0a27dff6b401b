#include "AsFoundCopy.h"

#include "ParameterBlock.h"
#include "ParameterFile.h"
#include "ParameterSet.h"
#include "ReplyBuffer.h"

#include <QList>

namespace qx {

namespace {

const QByteArray RawNote = "#raw:";
const QByteArray IgnitionNote = "#ignition:";
const QByteArray ThresholdNote = "#threshold:";
const QByteArray SwitchTemperatureNote = "#switch-temperature:";

// The value a page would show for a decoded parameter, in a file's form.
QString fileValue(const ParameterSet &set, const ParameterFileRow &row)
{
    switch (row.kind) {
    case ParameterFileKind::Tick: return flagText(shownTicked(set, row.param));
    case ParameterFileKind::List: return QString::number(set.text(row.param).toInt());
    default: return set.text(row.param);
    }
}

QByteArray noteLine(const QByteArray &note, const QByteArray &value)
{
    return note + value + "\r\n";
}

} // namespace

QByteArray asFoundFileBytes(const AsFoundBlock &found)
{
    ReplyBuffer reply;
    reply.store(found.block);
    reply.DecodeReply(int(found.block.size()));
    ParameterSet set;
    BlockFacts facts;
    const bool filled = decodeParameterBlock(reply, set, &facts);

    // A block the controller has not filled means nothing as values: the copy
    // keeps its bytes, and loading it changes nothing.
    QByteArray bytes;
    if (filled) {
        const auto &rows = parameterFileRows();
        bytes = writeParameterFile([&](Param param) {
            for (const ParameterFileRow &row : rows) {
                if (row.kind != ParameterFileKind::Comment && row.param == param)
                    return fileValue(set, row);
            }
            return QString();
        });
    }
    const int ignition = reply.ReplyByte(32) + 256 * reply.ReplyByte(33);
    bytes += noteLine(RawNote, found.block.toHex(' '));
    bytes += noteLine(IgnitionNote, QByteArray::number(ignition));
    if (found.analogThreshold)
        bytes += noteLine(ThresholdNote, found.analogThreshold->toLatin1());
    if (filled)
        bytes += noteLine(SwitchTemperatureNote, set.text(P::SwitchTemperature).toLatin1());
    return bytes;
}

std::optional<QString> asFoundSwitchTemperature(const QByteArray &fileBytes)
{
    for (QByteArray line : fileBytes.split('\n')) {
        line = line.trimmed();
        if (!line.startsWith(SwitchTemperatureNote))
            continue;
        const QByteArray value = line.mid(SwitchTemperatureNote.size());
        // The field takes two digits; anything else was not written by us.
        bool number = false;
        const int degrees = value.toInt(&number);
        if (number && value.size() <= 3 && degrees >= 0 && degrees <= 100)
            return QString::number(degrees);
    }
    return std::nullopt;
}

} // namespace qx
