#pragma once

namespace qx {

struct AdaptationState;
struct LiveSample;

// What step 7 (Regulacjareduktora) shows.
struct ReducerView
{
    int barTop = 50;   // LambdabarRR's range 0 … barTop, digital and shown
    int reading = 0;   // LambdabarRR
    // LedRR lit and RRbutton enabled; they stay so while the step polls on.
    bool rich = false;
};

// Step 7: the fitter turns the reducer screw at idle while the probe reading
// is shown, until the mixture reads rich.
class ReducerStep
{
public:
    static constexpr int RichAbove = 30;
    static constexpr int NarrowTop = 50;
    static constexpr int WideTop = 255;

    explicit ReducerStep(const AdaptationState &state);

    // StartReducerStep: the bar's range follows the probe scale step 3 chose.
    const ReducerView &start();
    const ReducerView &tick(const LiveSample &sample);
    const ReducerView &view() const { return view_; }

private:
    const AdaptationState &state_;
    ReducerView view_;
};

} // namespace qx
