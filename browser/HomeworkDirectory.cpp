#include "browser/HomeworkDirectory.h"

#include "platform/Logging.h"

namespace vireo {

QString HomeworkDirectory::subjectFile(const ProgramFolder& folder)
{
    return folder.path(QStringLiteral("\\help.vhe"));
}

std::optional<QString> HomeworkDirectory::fileFor(const ProgramFolder& folder, const QString& name)
{
    // The program folder's own rule refuses "..", drives and empty names; a leading separator
    // would make the name absolute where the folder's rule would quietly take it as relative.
    std::optional<QString> path;
    if (!name.startsWith(QLatin1Char('\\')) && !name.startsWith(QLatin1Char('/')))
        path = folder.pathInside(name);
    if (!path)
        qCWarning(lcFiles) << "homework file name" << name << "leads out of the program folder";
    return path;
}

} // namespace vireo
