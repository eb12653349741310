#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

class QMdiArea;
class QMenu;

namespace vireo {

// Keeps a "Windows" menu listing the open child windows of an MDI area, then the windows that
// `owned` gives (the windows the master window owns, such as the MP3 player), the active one
// checked; choosing one activates it. The list is rebuilt each time the menu opens.
void attachWindowList(QMenu* menu, QMdiArea* area,
                      std::function<QList<QWidget*>()> owned = nullptr);

} // namespace vireo
