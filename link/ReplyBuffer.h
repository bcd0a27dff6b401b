#pragma once

#include <QByteArray>

#include <array>

namespace qx {

// The last reply of the controller: 256 raw bytes that a read overwrites only
// as far as it got, and a decoded view of the first n of them. Callers read the
// view; a missing reply leaves the previous bytes in place.
class ReplyBuffer
{
public:
    static constexpr int Size = 256;

    // Overwrites bytes 0 … n−1 with the n bytes given (at most Size).
    void store(const QByteArray &bytes);
    void setRawByte(int index, quint8 value);
    quint8 rawByte(int index) const;

    // Empties the view, then fills positions 0 … n−1 from the raw bytes.
    void DecodeReply(int n);
    // The value at position i as of the last decode, 0 … 255; −1 when the
    // last decode did not reach that position.
    int ReplyByte(int i) const;
    int decodedCount() const { return decoded_; }

private:
    std::array<quint8, Size> raw_{};
    std::array<quint8, Size> view_{};
    int decoded_ = 0;
};

} // namespace qx
