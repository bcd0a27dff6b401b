#include "valueformat.h"

QString formatValue(double value, const QString &picture)
{
    if (picture.isEmpty())
        return QString::number(value);

    const int point = picture.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? picture : picture.left(point);
    const QString fraction = point < 0 ? QString() : picture.mid(point + 1);
    const int minWhole = int(whole.count(QLatin1Char('0')));
    const int minFraction = int(fraction.count(QLatin1Char('0')));
    const int maxFraction = minFraction + int(fraction.count(QLatin1Char('#')));

    QString text = QString::number(value, 'f', maxFraction);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);

    int dot = text.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        int keep = text.size();
        while (keep - dot - 1 > minFraction && text[keep - 1] == QLatin1Char('0'))
            --keep;
        if (keep - dot - 1 == 0)
            keep = dot;
        text.truncate(keep);
    }
    dot = text.indexOf(QLatin1Char('.'));
    const int wholeDigits = dot < 0 ? int(text.size()) : dot;
    if (wholeDigits < minWhole)
        text.prepend(QString(minWhole - wholeDigits, QLatin1Char('0')));
    else if (minWhole == 0 && text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);

    // "-0.0" is noise: a value that rounds to zero shows without a sign.
    const bool zero = text.count(QLatin1Char('0')) + text.count(QLatin1Char('.')) == text.size();
    return negative && !zero ? QLatin1Char('-') + text : text;
}
