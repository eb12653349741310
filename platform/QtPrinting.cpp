#include "platform/QtPrinting.h"

#include "platform/Logging.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace vireo {

PrintResult QtPrinting::print(const QTextDocument& document, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (pdfPath_.isEmpty()) {
        if (QPrinterInfo::defaultPrinter().isNull())
            return PrintResult::NoPrinter;
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath_);
    }

    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    return printOn(document, printer);
}

PrintResult QtPrinting::printOn(const QTextDocument& document, QPrinter& printer)
{
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        qCWarning(lcFiles) << "printing failed on" << printer.printerName()
                           << printer.outputFileName();
        return PrintResult::Failed;
    }
    return PrintResult::Printed;
}

} // namespace vireo
