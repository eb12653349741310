#pragma once

#include <QString>
#include <optional>

namespace vireo {

// The folder that holds the shipped data and the program's own files (lists, playlists...).
// Names are written the Windows way, with a leading backslash ("\items.txt"); path() turns
// them into native paths.
class ProgramFolder {
public:
    ProgramFolder() = default;
    explicit ProgramFolder(QString root) : root_(std::move(root)) {}

    // $VIREO_HOME, else the executable's folder when it holds the shipped data and is
    // writable, else a per-user folder under the XDG data home seeded with the shipped files.
    static ProgramFolder locate(const QString& executableDir);

    // Copies every shipped file that the target lacks; existing files are left alone.
    static void seed(const QString& from, const QString& to);

    // True when `dir` holds the shipped data (its marker file).
    static bool holdsShippedData(const QString& dir);

    QString root() const { return root_; }

    // "\help.html" -> root + "/help.html"; "\sub\file" -> root + "/sub/file".
    QString path(const QString& name) const;

    // As path(), for names read from data files: nullopt when the name would leave the folder.
    std::optional<QString> pathInside(const QString& name) const;

    static constexpr const char* markerName = "vireo-data.txt";

private:
    QString root_;
};

} // namespace vireo
