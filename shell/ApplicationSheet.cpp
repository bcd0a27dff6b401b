#include "ApplicationSheet.h"

#include <QApplication>
#include <QFile>

namespace qx {

const QString &userStyleSheet()
{
    // -stylesheet FILE arrives as "file:///" and the file's name, which only Qt reads.
    static const QString sheet = [] {
        const QString given = qApp ? qApp->styleSheet() : QString();
        if (!given.startsWith(QLatin1String("file:///")))
            return given;
        QFile file(given.mid(8));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return sheet;
}

void setPageLooks(const QString &rules)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    // A sheet's colours and fonts come off a control again without taking
    // along what code set since; with no attribute, a restyle would put back
    // the palette and font each control had at the last one.
    QCoreApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
    const QString sheet = rules + userStyleSheet();
    if (sheet != app->styleSheet())
        app->setStyleSheet(sheet);
}

} // namespace qx
