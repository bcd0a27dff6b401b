#pragma once

#include <QString>

#include <optional>

namespace qx {

// What one live frame shows on the Visualisation page, worked out from the
// frame; the page only puts it on its instruments.
struct LiveView
{
    // Traces of the chart: lambda, throttle, engine speed (with rpm), stepper.
    int lambdaTrace = 0;
    int tpsTrace = 0;
    int rpmTrace = 0;
    int stepperTrace = 0;

    // The lengths of the last rich and lean phases, when a phase just ended.
    std::optional<int> richPhaseMs;
    std::optional<int> leanPhaseMs;

    QString lambdaVolts;
    int lambdaBar = 0;
    int tpsRaw = 0;
    QString tpsVolts;
    std::optional<int> temperatureRaw; // controllers with the sensor only
    QString temperatureText;
    int gasPercent = 0;
    bool gasReserve = false;
    std::optional<int> rpm;            // none while the speed is unknown
    QString rpmText;
    int stepperPosition = 0;
    bool onPetrol = true;
    QString fuelText;
};

} // namespace qx
