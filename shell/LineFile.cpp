#include "LineFile.h"

namespace qx {

QList<FileLine> readFileLines(QByteArrayView bytes)
{
    // Old DOS editors close a text file with Ctrl+Z.
    if (const qsizetype end = bytes.indexOf('\x1A'); end >= 0)
        bytes = bytes.first(end);

    QList<FileLine> lines;
    for (qsizetype start = 0;;) {
        const qsizetype lf = bytes.indexOf('\n', start);
        if (lf < 0)
            break;
        const qsizetype length = lf - start;
        lines.append({bytes.sliced(start, qMax<qsizetype>(length - 1, 0)).toByteArray(), length});
        start = lf + 1;
    }
    return lines;
}

std::optional<qint32> fileInteger(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const bool hex = i < text.size() && text[i] == '$';
    if (hex)
        ++i;
    if (i == text.size())
        return std::nullopt;

    // Hexadecimal takes all 32 bits; decimal stops where a signed int does.
    const quint64 limit = hex ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
    const int base = hex ? 16 : 10;
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + quint64(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    const quint32 bits = quint32(magnitude);
    return qint32(negative ? 0u - bits : bits);
}

} // namespace qx
