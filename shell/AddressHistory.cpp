#include "shell/AddressHistory.h"

#include "shell/ComboBoxView.h"

namespace vireo {

bool AddressHistory::isListed(const ComboBoxView& box, const QString& text)
{
    return text.isEmpty() || box.findExact(text) >= 0;
}

bool AddressHistory::add(ComboBoxView& box, const QString& text)
{
    if (isListed(box, text))
        return false;
    box.addItem(text);
    return true;
}

} // namespace vireo
