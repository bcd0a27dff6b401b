#include "ConnectionCheckDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qx {

namespace {

const QColor FailureBackground(0xff, 0xe0, 0xb0);
const QColor HealthyBackground(0xd8, 0xf0, 0xd0);
constexpr int DeviceWidth = 300;
constexpr int CureWidth = 380;

QString deviceText(const PortOrigin &origin, const CheckTextSource &texts)
{
    switch (origin.kind) {
    case PortOrigin::Link:
        return texts(TextKey::CheckViaLink).arg(origin.device, origin.linkPath);
    case PortOrigin::DanglingLink:
        return texts(TextKey::CheckViaLink).arg(origin.linkTarget, origin.linkPath);
    case PortOrigin::SerialDevice:
        return texts(TextKey::CheckNthDevice).arg(origin.device).arg(origin.deviceNumber);
    case PortOrigin::None:
        break;
    }
    return texts(TextKey::CheckNoDevice);
}

QString holdersText(const QList<PortHolder> &holders)
{
    QStringList named;
    for (const PortHolder &holder : holders)
        named << QStringLiteral("%1, pid %2").arg(holder.command).arg(holder.pid);
    return named.join(QStringLiteral("; "));
}

QString cureText(const PortFinding &f, const CheckTextSource &texts)
{
    if (f.origin.kind == PortOrigin::DanglingLink)
        return texts(TextKey::CureDangling).arg(f.origin.linkPath, f.origin.linkTarget);
    if (!f.exists)
        return texts(TextKey::CureNoPort);
    switch (f.opening) {
    case PortFinding::Opening::Busy:
        return f.holders.isEmpty() ? texts(TextKey::CureBusyUnknown)
                                   : texts(TextKey::CureBusy).arg(holdersText(f.holders));
    case PortFinding::Opening::PermissionDenied:
        return texts(TextKey::CureDenied);
    case PortFinding::Opening::Failed:
    case PortFinding::Opening::NotTried:
        return texts(TextKey::CureFailed);
    case PortFinding::Opening::Opened:
        break;
    }
    return f.version != 0 ? texts(TextKey::CureOk) : texts(TextKey::CureNoController);
}

QString openingText(const PortFinding &f, const CheckTextSource &texts)
{
    switch (f.opening) {
    case PortFinding::Opening::Opened:
        return texts(TextKey::CheckOpened);
    case PortFinding::Opening::Busy:
        return texts(TextKey::CheckBusy);
    case PortFinding::Opening::PermissionDenied:
        return texts(TextKey::CheckDenied);
    case PortFinding::Opening::Failed:
        return texts(TextKey::CheckOpenFailed).arg(f.failure);
    case PortFinding::Opening::NotTried:
        break;
    }
    return QStringLiteral("—");
}

} // namespace

FindingRow describeFinding(const PortFinding &f, const CheckTextSource &texts)
{
    FindingRow row;
    row.port = f.portName.toUpper();
    row.device = deviceText(f.origin, texts);
    row.exists = texts(f.exists ? TextKey::CheckYes : TextKey::CheckNo);
    row.opening = openingText(f, texts);
    if (f.opening == PortFinding::Opening::Opened)
        row.controller = f.version != 0 ? texts(TextKey::CheckVersion).arg(f.version) : texts(TextKey::CheckNoAnswer);
    else
        row.controller = QStringLiteral("—");
    row.cure = cureText(f, texts);
    return row;
}

ConnectionCheckDialog::ConnectionCheckDialog(const QList<PortFinding> &findings, const CheckTextSource &texts,
                                             QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DiagnozaDialog"));
    setWindowTitle(texts(TextKey::CheckTitle));

    auto *table = new QTableWidget(int(findings.size()), 6, this);
    table->setObjectName(QStringLiteral("DiagnozaTabela"));
    table->setHorizontalHeaderLabels({texts(TextKey::CheckPort), texts(TextKey::CheckDevice),
                                      texts(TextKey::CheckExists), texts(TextKey::CheckOpens),
                                      texts(TextKey::CheckController), texts(TextKey::CheckCure)});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(true);
    for (int r = 0; r < findings.size(); ++r) {
        const FindingRow row = describeFinding(findings[r], texts);
        const QStringList cells = {row.port, row.device, row.exists, row.opening, row.controller, row.cure};
        const QColor tint = findings[r].healthy() ? HealthyBackground : FailureBackground;
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            // Ports with no device at all are the usual case; only the others are tinted.
            if (findings[r].exists || findings[r].origin.kind == PortOrigin::DanglingLink)
                item->setBackground(tint);
            table->setItem(r, c, item);
        }
    }
    // The cure is what the user reads: a wide, wrapped column; the rows grow to hold it.
    table->resizeColumnsToContents();
    table->setColumnWidth(1, std::min(table->columnWidth(1), DeviceWidth));
    table->setColumnWidth(5, CureWidth);
    table->resizeRowsToContents();

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(texts(TextKey::CompareClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("ZamknijButton"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(1000, 440);
}

} // namespace qx
