#pragma once

#include "platform/Twips.h"

class QWidget;

namespace vireo::twips {

// A widget's geometry within its parent, in twips, and back.
TwipRect rectOf(const QWidget* widget);
void place(QWidget* widget, const TwipRect& rect);
void place(QWidget* widget, double left, double top, double width, double height);

} // namespace vireo::twips
