#pragma once

#include "ParameterSheet.h"
#include "TextKeys.h"

#include <functional>
#include <memory>

class QPrinter;

namespace qx {

// Prints the parameter sheet. The printer, with the paper and orientation the
// fitter chose, is kept from one printout to the next for the program's run.
class ParameterPrinter
{
public:
    using TextSource = std::function<QString(TextKey)>;

    explicit ParameterPrinter(TextSource texts);
    ~ParameterPrinter();

    // Asks for the printer and prints the sheet on one page as the job
    // "parametry". False when the fitter cancelled or printing failed; a
    // failure has been shown in an error box.
    bool PrintParameters(const ParameterSheetTexts &texts);

private:
    QPrinter &printer();

    TextSource texts_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace qx
