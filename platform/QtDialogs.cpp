#include "platform/QtDialogs.h"

#include "platform/FileFilter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace vireo {

namespace {

QString captionOr(const QString& caption)
{
    return caption.isEmpty() ? Dialogs::programTitle() : caption;
}

QString startPath(const FileDialogRequest& request)
{
    const QString folder =
        request.initialFolder.isEmpty() ? QDir::currentPath() : request.initialFolder;
    if (request.initialName.isEmpty())
        return folder;
    // A full path proposed as the name (the phone book's picture) stands on its own.
    if (QDir::isAbsolutePath(request.initialName))
        return request.initialName;
    return folder + QLatin1Char('/') + request.initialName;
}

} // namespace

QWidget* QtDialogs::parent() const
{
    if (parent_)
        return parent_;
    return QApplication::activeWindow();
}

void QtDialogs::message(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, captionOr(caption), text, QMessageBox::Ok, parent());
    box.exec();
}

bool QtDialogs::askYesNo(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, captionOr(caption), text,
                    QMessageBox::Yes | QMessageBox::No, parent());
    return box.exec() == QMessageBox::Yes;
}

Answer QtDialogs::askYesNoCancel(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, captionOr(caption), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtDialogs::openFile(const FileDialogRequest& request)
{
    return QFileDialog::getOpenFileName(parent(), request.title, startPath(request),
                                        qtFileFilter(request.filter));
}

QString QtDialogs::saveFile(const FileDialogRequest& request)
{
    return QFileDialog::getSaveFileName(parent(), request.title, startPath(request),
                                        qtFileFilter(request.filter));
}

} // namespace vireo
