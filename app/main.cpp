#include "SerialPortIo.h"
#include "TForm1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvantix"));

    qx::TForm1 form(std::make_unique<qx::SerialPortIo>());
    form.FormCreate();
    form.show();
    return app.exec();
}
