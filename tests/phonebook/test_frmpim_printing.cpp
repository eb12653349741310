#include "phonebook/frmpim.h"
#include "platform/QtPrinting.h"
#include "support/AppFixture.h"
#include "support/RealPrinting.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace vireo;
using namespace vireo::test;

// The phone book's Print on the real printing: Qt's print dialog, answered by the test, onto a PDF
// file in place of a printer.
class TestFrmpimPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void thePrintedPageHoldsTheSheet()
    {
        AppFixture f;
        const QString pdf = f.dir.filePath(QStringLiteral("sheet.pdf"));
        QtPrinting printing(pdf);
        f.app.printing = &printing;
        std::unique_ptr<frmpim> w(frmpim::create(f.app));
        w->namet->setText(QStringLiteral("Ann"));
        w->emailk->setText(QStringLiteral("ann@example.org"));
        w->phone->setText(QStringLiteral("555-0101"));
        w->commentsk->setPlainText(QStringLiteral("Skates on Sundays"));

        answerPrintDialog(true);
        w->goprint->click();

        const QString text = pdfText(pdf).simplified();
        for (const char* expected :
             {"Name: Ann", "E-mail address: ann@example.org", "Phone Number: 555-0101",
              "Address:", "Relationship:", "Birthday: ,", "Comments: Skates on Sundays"}) {
            QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(text));
        }
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void cancelInTheDialogPrintsNothing()
    {
        AppFixture f;
        const QString pdf = f.dir.filePath(QStringLiteral("cancelled.pdf"));
        QtPrinting printing(pdf);
        f.app.printing = &printing;
        std::unique_ptr<frmpim> w(frmpim::create(f.app));
        w->namet->setText(QStringLiteral("Ann"));

        answerPrintDialog(false);
        w->goprint->click();

        QVERIFY(!QFile::exists(pdf));
        QVERIFY(f.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestFrmpimPrinting)
#include "test_frmpim_printing.moc"
