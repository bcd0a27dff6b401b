#include "ParameterPrinter.h"

#include "DialogService.h"
#include "PrintService.h"

#include <QPainter>
#include <QPrinter>

#include <utility>

namespace qx {

namespace {

// What the error box names: the PDF when printing to a file.
QString destinationOf(const QPrinter &printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

} // namespace

ParameterPrinter::ParameterPrinter(TextSource texts) : texts_(std::move(texts))
{
}

ParameterPrinter::~ParameterPrinter() = default;

QPrinter &ParameterPrinter::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageOrientation(QPageLayout::Portrait);
        printer_->setDocName(QStringLiteral("parametry"));
    }
    return *printer_;
}

bool ParameterPrinter::PrintParameters(const ParameterSheetTexts &texts)
{
    QPrinter &target = printer();
    if (!PrintService::instance().choosePrinter(target))
        return false;

    QPainter painter;
    bool printed = painter.begin(&target);
    if (printed) {
        const QRectF area = target.pageRect(QPrinter::DevicePixel);
        drawParameterSheet(painter, QRectF(QPointF(), area.size()), target.resolution(), texts);
        printed = painter.end();
    }
    if (!printed || target.printerState() == QPrinter::Error) {
        showError(texts_(TextKey::PrintError) + destinationOf(target));
        return false;
    }
    return true;
}

} // namespace qx
