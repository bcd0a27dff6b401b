#include "AsFoundKeeper.h"

namespace qx {

QString AsFoundKeeper::keep(const AsFoundBlock &found, const QDateTime &when)
{
    if (!armed_)
        return QString();
    armed_ = false;
    QString error;
    folder_.save(asFoundFileBytes(found), when, found.version, &error);
    return error;
}

} // namespace qx
