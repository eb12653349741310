#pragma once

class QTextDocument;
class QWidget;

namespace vireo {

enum class PrintResult {
    Printed,   // sent to the printer chosen in the print dialog
    Cancelled, // the user cancelled the print dialog: nothing was printed
    NoPrinter, // no default printer: the dialog was not shown, nothing was printed
    Failed,    // the printer refused the job
};

// The print dialog and the printers. A window hands over what it prints as a document; the
// printer is the one the user chose in the dialog.
class Printing {
public:
    virtual ~Printing() = default;
    // Shows the print dialog over `parent` (may be none), then prints `document` on the printer
    // chosen there.
    virtual PrintResult print(const QTextDocument& document, QWidget* parent) = 0;
};

} // namespace vireo
