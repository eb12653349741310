#include "platform/fakes/FakePrinting.h"

#include <QTextDocument>

namespace vireo {

PrintResult FakePrinting::print(const QTextDocument& document, QWidget* /*parent*/)
{
    const PrintResult result = results.isEmpty() ? PrintResult::Printed : results.dequeue();
    if (result != PrintResult::NoPrinter)
        ++dialogsShown;
    if (result == PrintResult::Printed)
        printed.append(document.toPlainText());
    return result;
}

} // namespace vireo
