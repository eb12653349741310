#pragma once

#include "platform/ProgramFolder.h"

#include <QString>
#include <optional>

namespace vireo {

// Where the homework directory's files are: the subject file names the topic files and each
// topic file names its site files, relative to the program folder.
class HomeworkDirectory {
public:
    // The subject file, program folder + "\help.vhe".
    static QString subjectFile(const ProgramFolder& folder);

    // Program folder + "\" + `name`, for a name read from a subject or topic file; it may name a
    // subfolder ("homework\maths.vht"). Nullopt when the name is absolute (a leading \ or /, a
    // drive) or climbs out of the program folder with "..": such a name loads nothing.
    static std::optional<QString> fileFor(const ProgramFolder& folder, const QString& name);
};

} // namespace vireo
