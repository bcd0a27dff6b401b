#include "ProgramEntry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvantix"));
    return qx::runProgram(app);
}
