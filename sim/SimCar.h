#pragma once

namespace qxsim {

class ParameterBlock;

// What the controller's sensors and stepper see of the car at one moment.
// The lambda probe fitted to the car. Auto follows the controller's probe
// range, as if the fitter had set it to match the car; the others give their
// own voltages whatever the controller is set to, as a real probe does.
enum class ProbeKind { Auto, Narrow, Wide, Band, Dead };

constexpr double DefaultMixturePosition = 100;
constexpr double DefaultMixtureRisePer1000 = 15;

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
    ProbeKind probe = ProbeKind::Auto;
    double deadProbeVolts = 0;  // what a dead probe keeps reading
    bool tpsFalling = false;    // the TPS voltage drops as the throttle opens
    // The stepper position a stoichiometric gas mixture needs at idle with
    // the reducer screw at 0, and how far it rises per 1000 rpm above idle.
    double mixturePosition = DefaultMixturePosition;
    double mixtureRisePer1000 = DefaultMixtureRisePer1000;
};

// The TPS reading (0.05 V steps) for a throttle opening.
int tpsReading(double throttlePercent, bool falling);

// A value that moves to its target at a steady rate.
class Ramp
{
public:
    explicit Ramp(double value = 0) : m_value(value), m_target(value) {}
    void setTarget(double target, double seconds);
    void advance(double seconds);
    double value() const { return m_value; }
    bool reached() const { return m_value == m_target; }

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
    void setTargetRpm(double rpm, double rampSeconds = 1.0);
    void setThrottle(double percent, double rampSeconds = 0.3);
    void setReducerScrew(int screw);
    // Coolant to a temperature at once, or along a ramp over the given
    // seconds; the warm-up takes over again from where the ramp ends.
    void setCoolant(double celsius, double rampSeconds = 0);
    void setGasLevel(double percent);
    void setProbe(ProbeKind kind, double deadVolts = 0);
    void setTpsFalling(bool falling);
    void setMixture(double idlePosition, double risePer1000);

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
    Ramp m_coolant;
    bool m_coolantRamping = false;
    double m_targetRpm = IdleRpm;
    double m_runningSeconds = 0;
    double m_switchSeconds = 0;
    double m_stepSeconds = 0;
    double m_lambdaPhase = 0;
};

} // namespace qxsim
