#pragma once

namespace qxsim {

class ParameterBlock;

// What the controller's sensors and stepper see of the car at one moment.
struct CarState
{
    bool engineRunning = false;
    double rpm = 0;
    double throttlePercent = 0;
    int reducerScrew = 0;      // -100 lean .. +100 rich
    double coolantCelsius = 20;
    double lambda = 0;         // probe output, 0 lean .. 1 rich
    bool rich = false;
    int stepperPosition = 0;   // 0 closed, as on petrol
    bool onGas = false;
    double gasPercent = 50;
};

// The TPS reading (0.05 V steps) for a throttle opening.
int tpsReading(double throttlePercent);

// A value that moves to its target at a steady rate.
class Ramp
{
public:
    explicit Ramp(double value = 0) : m_value(value), m_target(value) {}
    void setTarget(double target, double seconds);
    void advance(double seconds);
    double value() const { return m_value; }

private:
    double m_value;
    double m_target;
    double m_rate = 0;
};

// A plausible car on petrol and gas: engine speed and throttle follow the
// driver, the coolant warms up, the simulated controller switches to gas
// once its conditions hold and then works the stepper so the lambda probe
// keeps swinging between rich and lean.
class Car
{
public:
    static constexpr double IdleRpm = 800;
    static constexpr double MinTargetRpm = 600;
    static constexpr double MaxRpm = 8000;
    static constexpr double AmbientCelsius = 20;
    static constexpr double WarmCelsius = 80;

    void setEngineRunning(bool running);
    void setTargetRpm(double rpm, double rampSeconds);
    void setThrottle(double percent, double rampSeconds);
    void setReducerScrew(int screw);
    void setCoolant(double celsius);
    void setGasLevel(double percent);

    double targetRpm() const { return m_targetRpm; }
    const CarState &state() const { return m_state; }

    void advance(double seconds, const ParameterBlock &block);

private:
    void advanceCoolant(double seconds);
    void advanceFuel(double seconds, const ParameterBlock &block);
    void advanceLambda(double seconds);
    void advanceStepper(double seconds, const ParameterBlock &block);
    double stoichiometricPosition() const;

    CarState m_state;
    Ramp m_rpm;
    Ramp m_throttle;
    double m_targetRpm = IdleRpm;
    double m_runningSeconds = 0;
    double m_switchSeconds = 0;
    double m_stepSeconds = 0;
    double m_lambdaPhase = 0;
};

} // namespace qxsim
