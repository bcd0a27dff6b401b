#include "ConnectionCheckController.h"

#include "ConnectionCheck.h"
#include "ConnectionCheckDialog.h"
#include "ControllerProtocol.h"
#include "LanguageTable.h"
#include "MainMenu.h"
#include "SerialChannel.h"
#include "SystemPortIo.h"
#include "VisualisationPage.h"
#include "WindowTimers.h"

#include <QAction>
#include <QGuiApplication>

namespace qx {

ConnectionCheckController::ConnectionCheckController(QWidget &window, SerialChannel &channel,
                                                     ControllerProtocol &protocol, WindowTimers &timers,
                                                     const LanguageTable &texts, const MainMenu &menu,
                                                     VisualisationPage &page, ConnectionCheckHost &host)
    : window_(window), channel_(channel), protocol_(protocol), timers_(timers), texts_(texts), host_(host)
{
    connect(menu.DiagnozaMenu, &QAction::triggered, this, &ConnectionCheckController::DiagnozaMenuClick);
    connect(&page, &VisualisationPage::connectionCheckRequested, this, &ConnectionCheckController::DiagnozaMenuClick);
}

void ConnectionCheckController::DiagnozaMenuClick()
{
    // The program's own port is closed so its lock is not taken for another program's.
    const QList<PollTimer *> stopped = timers_.running();
    host_.StopAllTimers();
    const bool portWasOpen = channel_.isOpen();
    protocol_.ClosePort();

    // One port after another on this thread: no timer fires inside an exchange.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const ConnectionCheck check(&makeSystemPortIo, channel_.resolver());
    QList<PortFinding> findings;
    for (const QString &name : ConnectionCheck::portNames())
        findings << check.checkPort(name);
    QGuiApplication::restoreOverrideCursor();

    auto *dialog = new ConnectionCheckDialog(findings, [this](TextKey key) { return texts_.text(key); }, &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, stopped, portWasOpen] {
        if (portWasOpen)
            protocol_.OpenPort();
        for (PollTimer *timer : stopped)
            timer->start();
    });
    dialog->open();
}

} // namespace qx
