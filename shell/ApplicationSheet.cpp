#include "ApplicationSheet.h"

#include <QApplication>
#include <QFile>

#include <array>
#include <optional>

namespace qx {

namespace {

std::array<QString, 2> &parts()
{
    static std::array<QString, 2> sheetParts;
    return sheetParts;
}

// The sheet Qt was given before the program set one; -stylesheet FILE
// arrives as "file:///" and the file's name, which only Qt reads.
const QString &userSheet()
{
    static const QString sheet = [] {
        const QString given = qApp->styleSheet();
        if (!given.startsWith(QLatin1String("file:///")))
            return given;
        QFile file(given.mid(8));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return sheet;
}

} // namespace

void setApplicationSheetPart(SheetPart part, const QString &rules)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    const QString &user = userSheet();
    QString &stored = parts()[std::size_t(part)];
    if (stored == rules && !app->styleSheet().isEmpty())
        return;
    stored = rules;
    // A sheet's colours and fonts go where its rules say, as palettes and fonts
    // do, and come off again without taking along what code set since: with
    // no attribute, every restyle would put back each control's palette and
    // font as they were at the last one, a skin's and a profile's changes lost.
    QCoreApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
    const QString sheet = parts()[0] + parts()[1] + user;
    if (sheet != app->styleSheet())
        app->setStyleSheet(sheet);
}

} // namespace qx
