// Printing on the real print path: Qt's print dialog and a PDF printer, read back with pdftotext.

#include "platform/QtPrinting.h"
#include "support/RealPrinting.h"

#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

using namespace vireo;
using namespace vireo::test;

class TestQtPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: scripts/install-deps.sh installs poppler-utils");
    }

    void printOnWritesTheDocumentToThePrinter()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("entry.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QTextDocument document;
        document.setHtml(QStringLiteral("<p>Dear diary, <b>caf\u00e9</b> today.</p><p>Second</p>"));

        QCOMPARE(QtPrinting::printOn(document, printer), PrintResult::Printed);
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Dear diary, caf\u00e9 today.")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Second")));
    }

    void theDialogDecidesWhetherAnythingPrints_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<PrintResult>("result");
        QTest::addColumn<bool>("printed");
        QTest::newRow("OK prints") << true << PrintResult::Printed << true;
        QTest::newRow("Cancel prints nothing") << false << PrintResult::Cancelled << false;
    }
    void theDialogDecidesWhetherAnythingPrints()
    {
        QFETCH(bool, accept);
        QFETCH(PrintResult, result);
        QFETCH(bool, printed);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QtPrinting printing(pdf);
        QTextDocument document(QStringLiteral("Printed through the dialog"));

        answerPrintDialog(accept);
        QCOMPARE(printing.print(document, nullptr), result);
        QCOMPARE(QFile::exists(pdf), printed);
        if (printed)
            QVERIFY(pdfText(pdf).contains(QStringLiteral("Printed through the dialog")));
    }

    void noDefaultPrinterShowsNoDialog()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        QtPrinting printing;
        QTextDocument document(QStringLiteral("x"));
        // A dialog would block here: nothing answers it.
        QCOMPARE(printing.print(document, nullptr), PrintResult::NoPrinter);
    }
};

QTEST_MAIN(TestQtPrinting)
#include "test_qt_printing.moc"
