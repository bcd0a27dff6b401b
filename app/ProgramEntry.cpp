#include "ProgramEntry.h"

#include "DialogService.h"
#include "MessageBoxService.h"
#include "SingleInstance.h"
#include "StoredLanguage.h"
#include "SystemPortIo.h"
#include "TForm1.h"
#include "TLogo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

namespace qx {

namespace {

// The splash stays a second: the loading the program had to cover once, and
// what a fitter knows to wait for before the window and the first poll.
constexpr qint64 SplashMs = 1000;

void waitOutSplash(const QElapsedTimer &shown)
{
    if (const qint64 left = SplashMs - shown.elapsed(); left > 0)
        QThread::msleep(quint64(left));
}

} // namespace

int runProgram(QApplication &app)
{
    useMessageBoxes();
    const SingleInstance guard(SingleInstance::defaultFolder(), QStringLiteral("plik_unikatowy"));

    QElapsedTimer shown;
    shown.start();
    auto splash = std::make_unique<TLogo>();
    splash->showSplash();

    if (guard.alreadyRunning()) {
        waitOutSplash(shown);
        // Before the window exists, in the language the fitter last chose.
        const LanguageTable texts = storedLanguageTexts();
        showInformation(texts.text(TextKey::InformationCaption), texts.text(TextKey::AlreadyRunning));
        return 0;
    }

    // The window is built while the splash shows; the controller hears from
    // the program only once the splash's second has passed.
    TForm1 form(makeSystemPortIo());
    form.prepareBeforeController();
    waitOutSplash(shown);
    form.identifyController();
    if (guard.unguarded())
        form.reportNoInstanceGuard();
    splash.reset();
    // Zoomed or at its fixed size, as the resolution profile left it.
    form.show();
    return app.exec();
}

} // namespace qx
