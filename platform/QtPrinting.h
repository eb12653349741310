#pragma once

#include "platform/Printing.h"

#include <QString>
#include <utility>

class QPrinter;

namespace vireo {

// Printing through Qt PrintSupport: the system's print dialog and printers.
class QtPrinting final : public Printing {
public:
    QtPrinting() = default;
    // Every job goes to a PDF file at `pdfPath` instead of a printer (the dialog still shows,
    // offering that file); for checking what a window prints on the real print path.
    explicit QtPrinting(QString pdfPath) : pdfPath_(std::move(pdfPath)) {}

    PrintResult print(const QTextDocument& document, QWidget* parent) override;

    // The step after the dialog: lays `document` out on the pages of `printer`.
    static PrintResult printOn(const QTextDocument& document, QPrinter& printer);

private:
    QString pdfPath_;
};

} // namespace vireo
