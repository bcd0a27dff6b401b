#pragma once

namespace qx {

// Four-sample smoothing of the engine-speed period, shared by every live
// page. The first five values pass straight through; each later value is
// replaced by the mean of the four values held before it.
class LiveAverage
{
public:
    int operator()(int value);
    // Page changes start the average afresh.
    void reset() { fill_ = 0; }
    int fillCount() const { return fill_; }

private:
    int fill_ = 0;
    int window_[4] = {0, 0, 0, 0};
};

} // namespace qx
