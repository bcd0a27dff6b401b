// widgets-demo: the instrument gallery. `--scale` takes a layout scale such as
// 0.7, 1.0 or 1.608 and sizes every instrument and font by it.
#include "gallery.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Gallery of the Quorvantix instrument widgets"));
    parser.addHelpOption();
    QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Layout scale factor (default 1.0)."),
                                   QStringLiteral("factor"), QStringLiteral("1.0"));
    parser.addOption(scaleOption);
    parser.process(app);

    bool ok = false;
    const double scale = parser.value(scaleOption).toDouble(&ok);
    if (!ok || scale < 0.3 || scale > 4)
        parser.showHelp(1);

    Gallery gallery(scale);
    gallery.show();
    return app.exec();
}
