#include "PrintService.h"

#include <QApplication>
#include <QPrintDialog>

namespace qx {

namespace {

class PrintDialogService final : public PrintService
{
public:
    bool choosePrinter(QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        dialog.setObjectName(QStringLiteral("PrintDialog1"));
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        return dialog.exec() == QDialog::Accepted;
    }
};

PrintService *installed = nullptr;

} // namespace

PrintService &PrintService::instance()
{
    static PrintDialogService real;
    return installed ? *installed : real;
}

void PrintService::install(PrintService *service)
{
    installed = service;
}

} // namespace qx
