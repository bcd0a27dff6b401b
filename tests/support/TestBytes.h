#pragma once

#include <QByteArray>

#include <initializer_list>
#include <utility>

// Byte strings as tests write them: hex("01 aa 22 0a").
inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Byte strings from numbers: bytes({1, 0xaa, 34}).
inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int value : values)
        out.append(char(value));
    return out;
}

// A 37-byte parameter block: base (zeros unless given, e.g. the simulator's
// default block) with the listed {position, value} bytes set.
inline QByteArray blockBytes(std::initializer_list<std::pair<int, int>> bytes,
                             QByteArray base = QByteArray(37, '\0'))
{
    base.resize(37, '\0');
    for (const auto &[position, value] : bytes)
        base[position] = char(value);
    return base;
}
