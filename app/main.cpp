#include "DialogService.h"
#include "SingleInstance.h"
#include "SystemPortIo.h"
#include "TForm1.h"
#include "TForm3.h"
#include "TLogo.h"

#include <QApplication>
#include <QThread>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvantix"));

    const qx::SingleInstance guard(qx::SingleInstance::defaultFolder(), QStringLiteral("plik_unikatowy"));

    auto *splash = new qx::TLogo;
    splash->showSplash();
    QThread::msleep(1000);

    if (guard.alreadyRunning()) {
        qx::showInformation(QStringLiteral("Informacja"), QStringLiteral("Program jest już uruchomiony."));
        delete splash;
        return 0;
    }

    qx::TForm1 form(qx::makeSystemPortIo());
    form.FormCreate();
    qx::TForm3 about(&form);
    splash->hide();
    delete splash;
    form.showMaximized();
    return app.exec();
}
