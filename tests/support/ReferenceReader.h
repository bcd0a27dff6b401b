#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <cstdlib>
#include <optional>
#include <string>

// The integer of language and skin files, worked out a second way (with the
// standard library's conversion) so that fuzz tests can hold the program's
// reader against it: leading spaces, an optional sign, decimal digits or "$"
// and hexadecimal ones; decimal within 32 bits signed, hexadecimal within 32
// bits taken as the signed number of the same bits.
inline std::optional<qint32> referenceInteger(const QByteArray &text)
{
    const std::string s = text.toStdString();
    std::size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    const bool negative = s[i] == '-';
    if (s[i] == '-' || s[i] == '+')
        ++i;
    const bool hex = i < s.size() && s[i] == '$';
    const std::string digits = s.substr(hex ? i + 1 : i);
    if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
        return std::nullopt;
    const std::size_t first = digits.find_first_not_of('0');
    if (first != std::string::npos && digits.size() - first > 10)
        return std::nullopt;
    const unsigned long long magnitude = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (magnitude > (hex ? 0xFFFFFFFFull : negative ? 0x80000000ull : 0x7FFFFFFFull))
        return std::nullopt;
    const long long wide = hex ? qint32(quint32(magnitude)) : (long long)(magnitude);
    return qint32(negative ? -wide : wide);
}

// The lines of a language or skin file as the reference readers split it:
// each ends at an LF, nothing after the last LF counts, byte 26 ends the file.
inline QList<QByteArray> referenceLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    QByteArray line;
    for (const char c : bytes) {
        if (c == '\x1a')
            break;
        if (c == '\n') {
            lines << line;
            line.clear();
        } else {
            line += c;
        }
    }
    return lines;
}
