#include "platform/Logging.h"

namespace vireo {

// Critical as the least severity shown by default keeps warnings and below silent until
// QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(lcFiles, "vireo.files", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcMedia, "vireo.media", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcWeb, "vireo.web", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcStartup, "vireo.startup", QtCriticalMsg)

} // namespace vireo
