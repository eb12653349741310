#include "platform/fakes/ScriptedDialogs.h"

#include <QStringList>

namespace vireo {

void ScriptedDialogs::message(const QString& text, const QString& caption)
{
    shown.append({Shown::Message, text, caption, {}});
}

bool ScriptedDialogs::askYesNo(const QString& text, const QString& caption)
{
    shown.append({Shown::YesNo, text, caption, {}});
    return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
}

Answer ScriptedDialogs::askYesNoCancel(const QString& text, const QString& caption)
{
    shown.append({Shown::YesNoCancel, text, caption, {}});
    return yesNoCancelAnswers.isEmpty() ? Answer::Cancel : yesNoCancelAnswers.dequeue();
}

QString ScriptedDialogs::openFile(const FileDialogRequest& request)
{
    shown.append({Shown::Open, request.title, {}, request});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString ScriptedDialogs::saveFile(const FileDialogRequest& request)
{
    shown.append({Shown::Save, request.title, {}, request});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Shown& s : shown) {
        if (s.kind == Shown::Message)
            texts.append(s.text);
    }
    return texts;
}

} // namespace vireo
