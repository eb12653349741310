#pragma once

#include <QLoggingCategory>

namespace vireo {

// Where a developer sees what the user is not shown: a file that could not be read or written,
// a media or page component that refused an operation. Silent unless asked for, for example
//   QT_LOGGING_RULES="vireo.*=true"        everything
//   QT_LOGGING_RULES="vireo.files.warning=true"   failed reads and writes only
// Report a failure with qCWarning(lcFiles) << path << reason; the user still sees only the
// messages the program names.
Q_DECLARE_LOGGING_CATEGORY(lcFiles)   // "vireo.files": data files, the settings store
Q_DECLARE_LOGGING_CATEGORY(lcMedia)   // "vireo.media": the media-player component, tags
Q_DECLARE_LOGGING_CATEGORY(lcWeb)     // "vireo.web": the page component
Q_DECLARE_LOGGING_CATEGORY(lcStartup) // "vireo.startup": milestones to the first page

} // namespace vireo
