#include "shell/ShellResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares a function of the global namespace: it cannot stand inside ours.
static void initShellResourcesGlobal()
{
    Q_INIT_RESOURCE(shell);
}

namespace vireo {

void initShellResources()
{
    initShellResourcesGlobal();
}

} // namespace vireo
