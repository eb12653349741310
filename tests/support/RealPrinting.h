#pragma once

// Helpers for tests on the real print path: Qt's print dialog answered by the test, and the text
// of the PDF file a job was printed to.

#include <QApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace vireo::test {

// The text of a PDF file in the order it was drawn, or a null string when pdftotext could not read
// it.
inline QString pdfText(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                             QStringLiteral("-raw"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// Answers the next print dialog that opens: accepts or rejects it once it is the modal window.
// With `pdfPath`, the job goes to that file: it is typed into the dialog's output file box, which
// the dialog offers when it prints to a PDF file (with no printers it offers nothing else).
inline void answerPrintDialog(bool accept, const QString& pdfPath = {})
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, accept, pdfPath] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        if (!pdfPath.isEmpty()) {
            auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (file)
                file->setText(pdfPath);
            else
                qWarning("the print dialog has no output file box");
        }
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    timer->start(20);
}

} // namespace vireo::test
