#include "ReplyBuffer.h"

#include <algorithm>

namespace qx {

void ReplyBuffer::store(const QByteArray &bytes)
{
    const int n = std::min<int>(bytes.size(), Size);
    std::copy_n(reinterpret_cast<const quint8 *>(bytes.constData()), n, raw_.begin());
}

void ReplyBuffer::setRawByte(int index, quint8 value)
{
    if (index >= 0 && index < Size)
        raw_[index] = value;
}

quint8 ReplyBuffer::rawByte(int index) const
{
    return index >= 0 && index < Size ? raw_[index] : 0;
}

void ReplyBuffer::DecodeReply(int n)
{
    decoded_ = std::clamp(n, 0, Size);
    view_.fill(0);
    std::copy_n(raw_.begin(), decoded_, view_.begin());
}

int ReplyBuffer::ReplyByte(int i) const
{
    return i >= 0 && i < decoded_ ? view_[i] : -1;
}

} // namespace qx
