#pragma once

#include <QSizeF>
#include <QString>
#include <optional>

namespace vireo {

// The small multi-purpose window: one panel at a time, chosen by whoever opens it.
class ConfigWindow {
public:
    enum class Panel { Configuration, WhatsNew, Override, Open, WebSearch, Mp3Search };

    virtual ~ConfigWindow() = default;
    // Sets the caption, the size (height, width in twips; none keeps the design size) and
    // makes one panel visible.
    virtual void showPanel(Panel panel, const QString& caption,
                           std::optional<QSizeF> heightWidthTwips = std::nullopt) = 0;
};

} // namespace vireo
