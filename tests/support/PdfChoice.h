#pragma once

#include "PrintService.h"

#include <QList>
#include <QPageLayout>
#include <QPrinter>

// Margins the stand-in dialog gives the paper, in points.
constexpr qreal MarginPt = 12;

// Stands in for the print dialog: chooses a PDF file on the paper asked for,
// or cancels; notes the printers it was handed.
class PdfChoice final : public qx::PrintService
{
public:
    PdfChoice() { qx::PrintService::install(this); }
    ~PdfChoice() override { qx::PrintService::install(nullptr); }

    bool choosePrinter(QPrinter &printer) override
    {
        printers << &printer;
        offeredOrientation = printer.pageLayout().orientation();
        if (cancel)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(paper);
        printer.setPageOrientation(orientation);
        printer.setPageMargins(QMarginsF(MarginPt, MarginPt, MarginPt, MarginPt), QPageLayout::Point);
        if (resolution)
            printer.setResolution(resolution);
        return true;
    }

    QString path;
    bool cancel = false;
    QPageSize paper{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int resolution = 0; // 0 keeps the printer's own
    QList<const QPrinter *> printers;
    QPageLayout::Orientation offeredOrientation{};
};
