#include "minmaxrecord.h"

void MinMaxRecord::record(float value, int position)
{
    if (m_empty) {
        restart(value, position);
        return;
    }
    if (value < m_lowest.value)
        m_lowest = {value, position};
    if (value > m_highest.value)
        m_highest = {value, position};
}

void MinMaxRecord::restart(float value, int position)
{
    m_empty = false;
    m_lowest = m_highest = {value, position};
}

void MinMaxRecord::clear()
{
    *this = MinMaxRecord();
}
