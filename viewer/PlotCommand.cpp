#include "PlotCommand.h"

#include "DrivePlot.h"
#include "StoredLanguage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>

namespace qx {

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "quorvantix: " << message << '\n';
    return 2;
}

} // namespace

int plotRecording(int &argc, char **argv, const QString &recording, const QString &picture)
{
    const QString type = QFileInfo(picture).suffix().toLower();
    if (type != QLatin1String("png") && type != QLatin1String("pdf"))
        return fail(QStringLiteral("%1: the picture must be a .png or a .pdf file").arg(picture));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvantix"));

    QString message;
    const auto drive = qxrec::DriveRecording::load(recording, &message);
    if (!drive)
        return fail(message);
    const LanguageTable texts = storedLanguageTexts();
    DrivePlot plot([&texts](TextKey key) { return texts.text(key); });
    plot.resize(1600, 1200);
    plot.setDrive(driveChannels(*drive));
    // Drawn beside the target first, so a failed write leaves nothing behind
    // and never half of a picture over an older one.
    QTemporaryFile drawn(QFileInfo(picture).absoluteDir().filePath(QStringLiteral("quorvantix-XXXXXX.") + type));
    if (!drawn.open())
        return fail(QStringLiteral("%1: %2").arg(picture, drawn.errorString()));
    drawn.close();
    if (!plot.exportView(drawn.fileName()))
        return fail(QStringLiteral("%1: the picture could not be written").arg(picture));
    QFile::remove(picture);
    if (!drawn.rename(picture))
        return fail(QStringLiteral("%1: %2").arg(picture, drawn.errorString()));
    drawn.setAutoRemove(false);
    return 0;
}

} // namespace qx
