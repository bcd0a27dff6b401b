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

// The block's byte 8 is the controller's flag byte.
constexpr int FlagBytePosition = 8;

// What a parameter's decoder reads: the value at its place in the block (a
// byte, a 16-bit word low byte first, or one bit as 0 or 1), the whole block,
// the RPM constant and the texts the catalogue's earlier rows decoded.
struct BlockValue
{
    const ReplyBuffer &block;
    int raw;
    int rpmConstant;
    const ParameterSet &decoded;

    int byte(int position) const;
    int word(int position) const;
};
using BlockDecoder = QString (*)(const BlockValue &value);

// Decodes the 37-byte parameter block (positions 0 … 36 of reply) into the
// parameter texts, each by its row of the parameter catalogue. An ignition
// word of 257 (both bytes 1) marks a block the controller has not filled:
// nothing is decoded and false is returned.
bool decodeParameterBlock(const ReplyBuffer &reply, ParameterSet &parameters, BlockFacts *facts);

} // namespace qx
