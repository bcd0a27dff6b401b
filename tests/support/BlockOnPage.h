#pragma once

#include "ParameterBlock.h"
#include "ParameterFile.h"
#include "ParameterSet.h"
#include "ParametersPage.h"
#include "ReplyBuffer.h"

#include <QComboBox>

// A block as a configured controller sends it, switch temperature 38 °C, in
// the form of a copy's "#raw:" note.
inline const char *const TypicalBlock =
    "82 7a 00 f4 00 19 80 07 00 19 f5 37 9b 25 02 18 00 80 02 00 0a e1 05 7a 00 f4 00 1e ae c4 00 01 02 00 bc e3 00";

// The entry counts of the Parameters page's lists, for reading a file
// without the page.
inline int pageLists(qx::Param param)
{
    return param == qx::P::ProbeVariant ? 5 : 2;
}

// The Parameters page as a read of a 37-byte block leaves it: the block
// decoded into the page's set, shown, and the sensor box set from the block's
// flag. An unfilled block leaves the page as it was built.
struct PageAfterRead
{
    QByteArray file;           // what "zapisz do pliku" then writes
    QString switchTemperature; // what Edit22_1 then shows
};

inline PageAfterRead pageAfterRead(const QByteArray &block)
{
    qx::ParameterSet set;
    QComboBox threshold;
    qx::ParametersPage page(set, &threshold);
    qx::ReplyBuffer reply;
    reply.store(block);
    reply.DecodeReply(int(block.size()));
    qx::BlockFacts facts;
    if (qx::decodeParameterBlock(reply, set, &facts)) {
        page.ShowParameters();
        page.setTemperatureSensorOn(facts.tempSensorOn);
    }
    return {qx::writeParameterFile([&](qx::Param param) { return page.controlValue(param); }),
            page.fieldText(qx::P::SwitchTemperature)};
}
