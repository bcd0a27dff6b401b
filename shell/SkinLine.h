#pragma once

#include "LineFile.h"

#include <QByteArray>
#include <QList>

namespace qx {

// One line of a skin file: "#" and any text is a comment; otherwise
// characters 1 to 5 are the key, character 6 is not looked at, and the value
// runs from character 7 to the end, both integers of the file format. A line
// that is short, longer than the format allows, or whose key or value is no
// integer is bad: it is skipped with a message.
struct SkinLine
{
    enum Kind { Setting, Comment, Bad };

    Kind kind = Bad;
    int key = 0;
    qint32 value = 0;
};

SkinLine parseSkinLine(const FileLine &line);

// Every line of a skin file's bytes, in file order.
QList<SkinLine> readSkinLines(QByteArrayView bytes);

} // namespace qx
