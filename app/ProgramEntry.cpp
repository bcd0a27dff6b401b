#include "ProgramEntry.h"

#include "DialogService.h"
#include "SingleInstance.h"
#include "SystemPortIo.h"
#include "TForm1.h"
#include "TLogo.h"

#include <QApplication>
#include <QThread>

namespace qx {

int runProgram(QApplication &app)
{
    const SingleInstance guard(SingleInstance::defaultFolder(), QStringLiteral("plik_unikatowy"));

    auto splash = std::make_unique<TLogo>();
    splash->showSplash();
    QThread::msleep(1000);

    if (guard.alreadyRunning()) {
        showInformation(QStringLiteral("Informacja"), QStringLiteral("Program jest już uruchomiony."));
        return 0;
    }

    TForm1 form(makeSystemPortIo());
    form.FormCreate();
    if (guard.unguarded())
        form.reportNoInstanceGuard();
    splash.reset();
    // Zoomed or at its fixed size, as the resolution profile left it.
    form.show();
    return app.exec();
}

} // namespace qx
