#pragma once

class QPrinter;

namespace qx {

// The print dialog goes through here, so tests can print to a file of their
// choosing instead of waiting on a modal dialog.
class PrintService
{
public:
    virtual ~PrintService() = default;

    // Lets the user choose the printer (or a PDF file), the paper and the
    // orientation for printer; false on Cancel. Pages are not offered, the
    // sheet has one.
    virtual bool choosePrinter(QPrinter &printer) = 0;

    static PrintService &instance();
    // Installs a service (nullptr restores the real dialog); the caller keeps ownership.
    static void install(PrintService *service);
};

} // namespace qx
