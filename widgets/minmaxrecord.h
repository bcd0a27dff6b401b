#pragma once

#include <QColor>

// The lowest and the highest value an instrument has been given, each with the
// position (thousandths of the span) the scale gave it at the moment it was
// recorded. The adaptation steps read their results from it.
struct Extreme
{
    float value = 0;
    int position = 0;
};

class MinMaxRecord
{
public:
    bool isEmpty() const { return m_empty; }
    const Extreme &lowest() const { return m_lowest; }
    const Extreme &highest() const { return m_highest; }

    // The first value sets both extremes; later ones replace the lowest only
    // when strictly lower and the highest only when strictly higher.
    void record(float value, int position);
    // Both extremes become the given value.
    void restart(float value, int position);
    void clear();

private:
    bool m_empty = true;
    Extreme m_lowest;
    Extreme m_highest;
};

// Optional marks at the recorded extremes; the horizontal bar draws them.
struct MinMaxMarks
{
    bool minVisible = false;
    bool maxVisible = false;
    QColor minColor = QColor(0x2e, 0xcc, 0x40);
    QColor maxColor = QColor(0xe5, 0x39, 0x35);
};
