#pragma once

#include "platform/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace vireo {

// The real message boxes and file dialogs, parented to the window given (may be none).
class QtDialogs final : public Dialogs {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void message(const QString& text, const QString& caption = {}) override;
    bool askYesNo(const QString& text, const QString& caption = {}) override;
    Answer askYesNoCancel(const QString& text, const QString& caption = {}) override;
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

private:
    static constexpr int placeTimeoutMs = 1000;

    QWidget* parent() const;
    static void waitUntilPlaced(QWidget* window);
    QPointer<QWidget> parent_;
};

} // namespace vireo
