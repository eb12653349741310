#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

namespace vireo {

// Dialogs for tests: answers come from queues the test fills; everything shown is recorded.
// An empty queue answers No / Cancel / the empty file name.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        enum Kind { Message, YesNo, YesNoCancel, Open, Save } kind;
        QString text;    // message text, or the file dialog's title
        QString caption; // caption as passed (empty = the program's title)
        FileDialogRequest request;
    };

    void message(const QString& text, const QString& caption = {}) override;
    bool askYesNo(const QString& text, const QString& caption = {}) override;
    Answer askYesNoCancel(const QString& text, const QString& caption = {}) override;
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

    QQueue<bool> yesNoAnswers;
    QQueue<Answer> yesNoCancelAnswers;
    QQueue<QString> fileAnswers;
    QList<Shown> shown;

    // The texts of the OK messages shown, in order.
    QStringList messages() const;
};

} // namespace vireo
