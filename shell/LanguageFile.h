#pragma once

#include "LineFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace qx {

// Where a language file of this name is read from: lang/ in the data folders.
QString languageFilePath(const QString &fileName);

// One line of a language file: "#" and any text is a comment; otherwise
// characters 1 to 5 are the key, an integer of the file format, character 6
// is not looked at, and the rest is the text. A line that is short, longer
// than the format allows, or whose key is no integer is bad.
struct LanguageLine
{
    enum Kind { Text, Comment, Bad };

    Kind kind = Bad;
    int key = 0;
    QString text;
};

// Every line of a language file's bytes in file order, the texts decoded
// from the named code page.
QList<LanguageLine> readLanguageLines(QByteArrayView bytes, const QByteArray &encoding);

} // namespace qx
