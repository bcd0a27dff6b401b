#include "ParameterBlock.h"

#include "ParameterSet.h"
#include "ProtocolTables.h"
#include "ReplyBuffer.h"

namespace qx {

int BlockValue::byte(int position) const
{
    return block.ReplyByte(position);
}

int BlockValue::word(int position) const
{
    return byte(position) + 256 * byte(position + 1);
}

bool decodeParameterBlock(const ReplyBuffer &reply, ParameterSet &parameters, BlockFacts *facts)
{
    const BlockValue block{reply, 0, 0, parameters};
    const int ignition = block.word(32);
    if (ignition == 257)
        return false;
    const IgnitionType type = ignitionTypeFromWord(ignition);
    facts->rpmConstant = type.rpmConstant;
    facts->ignitionListIndex = type.listIndex;
    facts->ignitionKnown = type.code < IgnitionListEntries;

    const int flags = block.byte(FlagBytePosition);
    facts->flags = quint8(flags);
    facts->probeVariant = probeVariantFrom(block.byte(31), flags);
    facts->tempSensorOn = flags & TempSensor;
    parameters.TempSensorOn = facts->tempSensorOn ? 1 : 0;

    // In the catalogue's order, so a value worked out from others comes after them.
    for (const ParameterEntry &entry : parameterCatalogue()) {
        const BlockPlace &place = entry.block;
        if (!place.decode)
            continue;
        int raw = 0;
        if (place.bit)
            raw = (block.byte(place.position) & place.bit) ? 1 : 0;
        else if (place.position >= 0)
            raw = place.size == 2 ? block.word(place.position) : block.byte(place.position);
        parameters.setText(entry.param, place.decode({reply, raw, type.rpmConstant, parameters}));
    }
    return true;
}

} // namespace qx
