#include "SystemPortIo.h"
#include "TForm1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvantix"));

    qx::TForm1 form(qx::makeSystemPortIo());
    form.FormCreate();
    form.show();
    return app.exec();
}
