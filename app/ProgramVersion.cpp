#include "ProgramVersion.h"

namespace qx {

QString programVersion()
{
    return QStringLiteral(QX_PROGRAM_VERSION);
}

QString programRelease()
{
    return programVersion().section(QLatin1Char('.'), 0, 1);
}

QString ProgramBuildText()
{
    bool numbered = false;
    const uint build = programVersion().section(QLatin1Char('.'), 3, 3).toUInt(&numbered);
    return numbered ? QString::number(build & 0xFFFF) + QLatin1Char(')') : QStringLiteral("?.?");
}

} // namespace qx
