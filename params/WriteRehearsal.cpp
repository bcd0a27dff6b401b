#include "WriteRehearsal.h"

namespace qx {

void WriteRehearsal::openPort()
{
    steps_ << [](WriteTarget &t) { t.openPort(); };
}

void WriteRehearsal::closePort()
{
    steps_ << [](WriteTarget &t) { t.closePort(); };
}

void WriteRehearsal::send(quint8 byte)
{
    steps_ << [byte](WriteTarget &t) { t.send(byte); };
}

void WriteRehearsal::pause(int milliseconds)
{
    steps_ << [milliseconds](WriteTarget &t) { t.pause(milliseconds); };
}

void WriteRehearsal::message(const QString &caption, const QString &text)
{
    messages_.append({caption, text});
    steps_ << [caption, text](WriteTarget &t) { t.message(caption, text); };
}

void WriteRehearsal::playTo(WriteTarget &target) const
{
    for (const auto &step : steps_)
        step(target);
}

} // namespace qx
