#include "LiveAverage.h"

#include "Rounding.h"

namespace qx {

int LiveAverage::operator()(int value)
{
    if (fill_ < 5) {
        ++fill_;
        if (fill_ <= 4)
            window_[fill_ - 1] = value;
        return value;
    }
    const double sum = double(window_[0]) + window_[1] + window_[2] + window_[3];
    const int result = int(roundHalfEven(0.25 * sum));
    window_[0] = window_[1];
    window_[1] = window_[2];
    window_[2] = window_[3];
    window_[3] = value;
    return result;
}

} // namespace qx
