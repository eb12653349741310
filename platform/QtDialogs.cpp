#include "platform/QtDialogs.h"

#include "platform/FileFilter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <algorithm>

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

// Keeps a dialog centred on the frame of the window it belongs to until it is on the screen, or,
// for a box the user cannot resize, whenever its size changes. A message box takes its final
// size only after it is on the screen, and Qt centres a dialog on its owner's inside rather than
// on its frame.
class CentreOnOwner : public QObject {
public:
    enum class Keep { UntilShown, Always };
    CentreOnOwner(QWidget* dialog, QWidget* owner, Keep keep)
        : QObject(dialog), dialog_(dialog), owner_(owner), keep_(keep)
    {
        if (owner)
            dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const QWindow* handle = dialog_->windowHandle();
        const bool shown = handle && handle->isExposed();
        if ((type == QEvent::Show || type == QEvent::Resize) && owner_ &&
            (!shown || keep_ == Keep::Always))
            centre();
        return QObject::eventFilter(watched, event);
    }

private:
    void centre()
    {
        // Placed by its inside, which is what a top-level window's geometry is whether or not
        // its frame is known yet. Until the dialog is framed, its frame is taken to be the
        // owner's.
        QMargins frame = marginsOf(dialog_);
        if (frame.isNull())
            frame = marginsOf(owner_);
        const QSize outerSize = dialog_->size().grownBy(frame);
        QRect outer(QPoint(), outerSize);
        outer.moveCenter(owner_->frameGeometry().center());
        if (const QScreen* screen = owner_->screen()) {
            const QRect available = screen->availableGeometry();
            outer.moveRight(std::min(outer.right(), available.right()));
            outer.moveBottom(std::min(outer.bottom(), available.bottom()));
            outer.moveLeft(std::max(outer.left(), available.left()));
            outer.moveTop(std::max(outer.top(), available.top()));
        }
        dialog_->setGeometry(outer.marginsRemoved(frame));
    }

    static QMargins marginsOf(const QWidget* window)
    {
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        return {inner.left() - outer.left(), inner.top() - outer.top(),
                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    }

    QWidget* dialog_;
    QPointer<QWidget> owner_;
    Keep keep_;
};

} // namespace

// A box or dialog belongs to the window the user is working in, which may be the player or
// the configuration window; without one, to the master window. It is centred on that window,
// so the window must have been placed first: a window shown a moment ago is still at the place
// the program asked for until the window manager has placed and framed it.
QWidget* QtDialogs::parent() const
{
    QWidget* owner = QApplication::activeWindow();
    if (!owner)
        owner = parent_;
    if (owner && owner->isVisible() && !owner->isMinimized())
        waitUntilPlaced(owner);
    return owner;
}

void QtDialogs::waitUntilPlaced(QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    if (!handle)
        return;
    QElapsedTimer waited;
    waited.start();
    while (!handle->isExposed() && waited.elapsed() < placeTimeoutMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(5);
    }
}

void QtDialogs::message(const QString& text, const QString& caption)
{
    QWidget* owner = parent();
    QMessageBox box(QMessageBox::NoIcon, captionOr(caption), text, QMessageBox::Ok, owner);
    new CentreOnOwner(&box, owner, CentreOnOwner::Keep::Always);
    box.exec();
}

bool QtDialogs::askYesNo(const QString& text, const QString& caption)
{
    QWidget* owner = parent();
    QMessageBox box(QMessageBox::Question, captionOr(caption), text,
                    QMessageBox::Yes | QMessageBox::No, owner);
    new CentreOnOwner(&box, owner, CentreOnOwner::Keep::Always);
    return box.exec() == QMessageBox::Yes;
}

Answer QtDialogs::askYesNoCancel(const QString& text, const QString& caption)
{
    QWidget* owner = parent();
    QMessageBox box(QMessageBox::Question, captionOr(caption), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner);
    new CentreOnOwner(&box, owner, CentreOnOwner::Keep::Always);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

namespace {

// The file dialog, as the static QFileDialog functions make it, centred on its owner.
QString runFileDialog(QWidget* owner, const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(owner, request.title, startPath(request), qtFileFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    new CentreOnOwner(&dialog, owner, CentreOnOwner::Keep::UntilShown);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString QtDialogs::openFile(const FileDialogRequest& request)
{
    return runFileDialog(parent(), request, false);
}

QString QtDialogs::saveFile(const FileDialogRequest& request)
{
    return runFileDialog(parent(), request, true);
}

} // namespace vireo
