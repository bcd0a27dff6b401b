#pragma once

#include <QString>

namespace qx {

class ParameterSet;
class ReplyBuffer;

// What a decoded parameter block tells beyond the parameter texts.
struct BlockFacts
{
    int rpmConstant = 0;
    int ignitionListIndex = 0;
    // The block names one of the six ignition types; for any other word the
    // list shows a stand-in entry the car never gave.
    bool ignitionKnown = false;
    quint8 flags = 0;
    QString probeVariant;
    bool tempSensorOn = false;
    // The analog threshold read with the block answered, so its text is the car's.
    bool thresholdRead = false;
};

// Decodes the 37-byte parameter block (positions 0 … 36 of reply) into the
// parameter texts. An ignition word of 257 (both bytes 1) marks a block the
// controller has not filled: nothing is decoded and false is returned.
bool decodeParameterBlock(const ReplyBuffer &reply, ParameterSet &parameters, BlockFacts *facts);

} // namespace qx
