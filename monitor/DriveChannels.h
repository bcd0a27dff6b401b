#pragma once

#include "DriveRecording.h"

#include <QVector>

#include <optional>

namespace qx {

// A recorded drive as the viewer plots it: one value a poll for each
// channel on a time axis in seconds, NaN where the poll got no usable reply
// (a gap, never a zero). The frames are read as the program reads that
// version's frames: only version 5 frames carry a checksum.
struct DriveChannels
{
    QVector<double> seconds;
    QVector<double> rpm;
    QVector<double> lambdaVolts;
    QVector<double> tpsVolts;
    QVector<double> stepper; // steps open; 0 on petrol
    QVector<double> temperature; // °C; all gaps without the sensor
    QVector<double> gasPercent;
    QVector<double> onGas; // 1 on gas, 0 on petrol
    bool hasTemperature = false;
    // The middle of the probe's rich/lean band in volts, where the recording
    // names a probe the program knows.
    std::optional<double> lambdaThreshold;

    int size() const { return int(seconds.size()); }
    bool isGap(int i) const;
};

DriveChannels driveChannels(const qxrec::DriveRecording &recording);

// The numbers a fitter reads first off a drive.
struct DriveSummary
{
    double durationSeconds = 0;
    double onGasSeconds = 0;
    // Threshold crossings of the lambda volts per second, on each fuel;
    // nothing without a threshold or without time on that fuel.
    std::optional<double> lambdaHzOnGas;
    std::optional<double> lambdaHzOnPetrol;
    std::optional<int> stepperMinOnGas;
    std::optional<int> stepperMaxOnGas;
    std::optional<int> highestRpm;
    int pollsWithoutReply = 0;
};

// Each poll counts until the next one; a gap counts for no fuel and breaks
// the lambda's crossings.
DriveSummary driveSummary(const DriveChannels &channels);

} // namespace qx
