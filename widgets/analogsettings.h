#pragma once

#include <QColor>
#include <QFlags>
#include <QString>

// What a page sets on an analog instrument: its ranges and texts, its scale,
// and for bars the bar itself.

struct SignalSettings
{
    int digitalFrom = 0;
    int digitalTo = 100;
    float valueFrom = 0;
    float valueTo = 100;
    QString valueUnit;                          // drawn after the number
    QString valueFormat = QStringLiteral("##0.0");
    QString name1;                              // captions on the face
    QString name2;
};

struct ScaleSettings
{
    int steps = 10;                             // major divisions
    int subSteps = 5;                           // minor divisions in each major one
    QString valueFormat = QStringLiteral("0");  // of the scale numbers
    QColor scaleColor = QColor(0xec, 0xef, 0xf1);
    QColor pointerColor = QColor(0xff, 0x6a, 0x1a);
};

struct BarSettings
{
    enum Option {
        opValue = 0x1,        // the number beside the bar
        opUnit = 0x2,         // the unit after it
        opUseSectorCol = 0x4, // the bar takes the colour of the sector its value lies in
        opBidir = 0x8,        // the bar grows both ways from the middle of the scale
    };
    Q_DECLARE_FLAGS(Options, Option)

    Options options = Options(opValue | opUnit | opUseSectorCol);
    QColor color = QColor(0x29, 0xb6, 0xf6);
};
Q_DECLARE_OPERATORS_FOR_FLAGS(BarSettings::Options)
