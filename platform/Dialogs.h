#pragma once

#include <QString>

class QWidget;

namespace vireo {

// What a file dialog is opened with. `filter` is written the Windows way:
// "MP3 Files(*.mp3)|*.mp3|Wav Files(*.wav)|*.wav".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString initialFolder;
    QString initialName;
};

enum class Answer { Yes, No, Cancel };

// Message boxes and file dialogs. The caption is the program's title unless one is given.
// A cancelled file dialog returns the empty name.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const QString& text, const QString& caption = {}) = 0;
    virtual bool askYesNo(const QString& text, const QString& caption = {}) = 0;
    virtual Answer askYesNoCancel(const QString& text, const QString& caption = {}) = 0;
    virtual QString openFile(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;

    static QString programTitle() { return QStringLiteral("Vireo"); }
};

} // namespace vireo
