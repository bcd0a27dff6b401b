#pragma once

#include "AsFoundCopy.h"
#include "AsFoundFolder.h"

#include <QDateTime>
#include <QString>

namespace qx {

// Keeps one as-found copy per identified controller: armed when a controller
// is identified (at start-up, and again by a port choice, autodetection or a
// version query by hand), it saves the first whole block read after that.
class AsFoundKeeper
{
public:
    explicit AsFoundKeeper(AsFoundFolder folder = AsFoundFolder()) : folder_(std::move(folder)) {}

    void arm() { armed_ = true; }
    bool armed() const { return armed_; }
    const AsFoundFolder &folder() const { return folder_; }

    // Saves the block when armed. Returns the reason a save failed, empty
    // otherwise; a failed save is not tried again for the same controller.
    QString keep(const AsFoundBlock &found, const QDateTime &when = QDateTime::currentDateTime());

private:
    AsFoundFolder folder_;
    bool armed_ = true;
};

} // namespace qx
