#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace qx {

// A copy of the configuration a car came in with: the parameter block of the
// first read after the controller was identified, kept as a parameter file
// that any loader reads, followed by comment lines with what such a file
// cannot hold.
struct AsFoundBlock
{
    QByteArray block; // the 37 bytes as the controller sent them
    int version = 0;
    std::optional<QString> analogThreshold; // only a controller with the threshold has one
};

// The file: the value lines decoded from the block (none for a block the
// controller has not filled), then "#raw:", "#ignition:", "#threshold:" and
// "#switch-temperature:" lines.
QByteArray asFoundFileBytes(const AsFoundBlock &found);

// What the comment lines of a copy give back to the page: the switch
// temperature, which a parameter file does not carry.
std::optional<QString> asFoundSwitchTemperature(const QByteArray &fileBytes);

} // namespace qx
