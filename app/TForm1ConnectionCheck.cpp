// The connection check: what each port leads to, and why no controller answers.
#include "TForm1.h"

#include "ConnectionCheck.h"
#include "ConnectionCheckDialog.h"
#include "SystemPortIo.h"
#include "VisualisationPage.h"

#include <QAction>
#include <QGuiApplication>
#include <QTimer>

namespace qx {

void TForm1::connectConnectionCheck()
{
    connect(menu_.DiagnozaMenu, &QAction::triggered, this, &TForm1::DiagnozaMenuClick);
    connect(WizualizacjaTab, &VisualisationPage::connectionCheckRequested, this, &TForm1::DiagnozaMenuClick);
}

void TForm1::DiagnozaMenuClick()
{
    // The page's polling waits, and the program's own port is closed so its
    // lock is not taken for another program's.
    QList<QTimer *> stopped;
    for (QTimer *timer : findChildren<QTimer *>(Qt::FindDirectChildrenOnly)) {
        if (timer->isActive())
            stopped << timer;
    }
    StopAllTimers();
    stopped.removeIf([](const QTimer *timer) { return timer->isActive(); });
    const bool portWasOpen = channel_.isOpen();
    protocol_.ClosePort();

    // One port after another on this thread: no timer fires inside an exchange.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const ConnectionCheck check(&makeSystemPortIo, channel_.resolver());
    QList<PortFinding> findings;
    for (const QString &name : ConnectionCheck::portNames())
        findings << check.checkPort(name);
    QGuiApplication::restoreOverrideCursor();

    auto *dialog = new ConnectionCheckDialog(findings, [this](TextKey key) { return texts_.text(key); }, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, stopped, portWasOpen] {
        if (portWasOpen)
            protocol_.OpenPort();
        for (QTimer *timer : stopped)
            timer->start();
    });
    dialog->open();
}

} // namespace qx
