#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

// A file's bytes, or a marker no test expects when it cannot be read.
inline QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes a file whole; a file that cannot be written fails the test.
inline void createFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(name));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The skins the program ships, the ordinary one first.
inline const QStringList ShippedSkins{"default.skr", "kolorowa_niebieski.skr", "silver.skr", "bezbarwn.skr"};

// A data file the program ships, from its folder in the source tree
// (QX_SKINS, QX_LANG). A missing one ends the test run with its name, so no
// test passes on nothing.
inline QByteArray shippedFile(const QString &folder, const QString &name)
{
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}
