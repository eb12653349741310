#pragma once

#include "platform/Printing.h"

#include <QQueue>
#include <QStringList>

namespace vireo {

// Printing for tests: each call answers with the next scripted result (Printed when none is
// left) and, when that result prints, keeps the plain text of the document.
class FakePrinting final : public Printing {
public:
    PrintResult print(const QTextDocument& document, QWidget* parent) override;

    QQueue<PrintResult> results;
    int dialogsShown = 0; // calls that reached the dialog (every result but NoPrinter)
    QStringList printed;  // plain text of each document printed
};

} // namespace vireo
