#pragma once

class QMdiArea;
class QMenu;

namespace vireo {

// Keeps a "Windows" menu listing the open child windows of an MDI area, the active one
// checked; choosing one activates it. The list is rebuilt each time the menu opens.
void attachWindowList(QMenu* menu, QMdiArea* area);

} // namespace vireo
