#pragma once

// Seeded damage to line-based text files (skins, language files) for the
// tests that read such files against a reference reader.
#include <QByteArray>
#include <QList>

#include <functional>
#include <random>

namespace mutation {

using Rng = std::mt19937;

inline int between(Rng &rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// One byte in three any byte at all, the others one of the file's own characters.
inline char randomByte(Rng &rng, const QByteArray &characters)
{
    return between(rng, 0, 2) == 0 ? char(between(rng, 0, 255))
                                   : characters.at(between(rng, 0, int(characters.size()) - 1));
}

inline int anywhere(const QByteArray &b, Rng &rng)
{
    return between(rng, 0, int(b.size()));
}

// Just after a random LF of the file, or its start.
inline int lineStart(const QByteArray &b, Rng &rng)
{
    const int at = anywhere(b, rng);
    return at == 0 ? 0 : int(b.lastIndexOf('\n', at - 1)) + 1;
}

// One kind of damage; other is a second file to take lines from.
using Mutation = std::function<void(QByteArray &b, const QByteArray &other, Rng &rng)>;

// What any line-based file may suffer: bits flipped, bytes replaced, added
// and removed, CR, LF or the end-of-file byte put in, the end cut off, CR LF
// turned into LF, and lines of the other file put among its own.
inline QList<Mutation> commonMutations(const QByteArray &characters)
{
    return {
        [](QByteArray &b, const QByteArray &, Rng &rng) {
            if (!b.isEmpty())
                b[between(rng, 0, int(b.size()) - 1)] ^= char(1 << between(rng, 0, 7));
        },
        [characters](QByteArray &b, const QByteArray &, Rng &rng) {
            if (!b.isEmpty())
                b[between(rng, 0, int(b.size()) - 1)] = randomByte(rng, characters);
        },
        [characters](QByteArray &b, const QByteArray &, Rng &rng) {
            QByteArray bytes;
            for (int n = between(rng, 1, 8); n > 0; --n)
                bytes += randomByte(rng, characters);
            b.insert(anywhere(b, rng), bytes);
        },
        [](QByteArray &b, const QByteArray &, Rng &rng) { b.remove(anywhere(b, rng), between(rng, 1, 40)); },
        [](QByteArray &b, const QByteArray &, Rng &rng) { b.insert(anywhere(b, rng), '\r'); },
        [](QByteArray &b, const QByteArray &, Rng &rng) { b.insert(anywhere(b, rng), '\n'); },
        [](QByteArray &b, const QByteArray &, Rng &rng) { b.insert(anywhere(b, rng), '\x1a'); },
        [](QByteArray &b, const QByteArray &, Rng &rng) { b.truncate(anywhere(b, rng)); },
        [](QByteArray &b, const QByteArray &, Rng &) { b.replace("\r\n", "\n"); },
        [](QByteArray &b, const QByteArray &other, Rng &rng) {
            // So keys come twice, or a line is cut where the other's begins.
            const int from = lineStart(other, rng);
            b.insert(lineStart(b, rng), other.mid(from, between(rng, 1, 400)));
        },
    };
}

// One to six kinds of damage in a row.
inline QByteArray mutated(const QByteArray &file, const QByteArray &other, const QList<Mutation> &mutations, Rng &rng)
{
    QByteArray bytes = file;
    for (int n = between(rng, 1, 6); n > 0; --n)
        mutations.at(between(rng, 0, int(mutations.size()) - 1))(bytes, other, rng);
    return bytes;
}

} // namespace mutation
