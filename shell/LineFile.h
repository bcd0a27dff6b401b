#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

namespace qx {

// The line format that language and skin files share: a line ends at LF and
// the byte before the LF (the CR of a CR LF pair) is not part of it; a byte 26
// ends the file; a last line without LF does not count.

// A line holds at most this many bytes before its LF, the dropped one included.
constexpr int MaxFileLineLength = 1000;

struct FileLine
{
    QByteArray text;  // the line without the byte before its LF
    qsizetype length; // bytes before the LF, the dropped one included

    // Too short to hold a five-character key, a separator and the dropped byte.
    bool isShort() const { return length <= 5; }
    bool isTooLong() const { return length > MaxFileLineLength; }
};

// Every LF-ended line before the first byte 26, in file order.
QList<FileLine> readFileLines(QByteArrayView bytes);

// An integer as both file kinds write it: leading spaces, an optional sign,
// then decimal digits or "$" and hexadecimal digits, and nothing after them.
// Decimal numbers must fit 32 bits signed; hexadecimal ones 32 bits, taken as
// the signed number of the same bits ("$8000000F" is -2147483633).
std::optional<qint32> fileInteger(QByteArrayView text);

} // namespace qx
