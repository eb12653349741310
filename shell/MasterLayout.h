#pragma once

#include "platform/Twips.h"

#include <optional>

namespace vireo {

// The smallest client area that keeps the launcher bar whole. In width the bird (`bumper`, at
// W - 900 where the outer width W is the client's plus a 120-twip frame) stays clear of the
// last launcher, which ends at 6510; in height the navigation bar and the status strip fit.
inline constexpr double minimumClientWidth = 6510 + 900 - 120;
inline constexpr double minimumClientHeight = 1080 + 225;

// The master window's skin pieces that follow a resize, as the window lays them out.
struct MasterGeometry {
    TwipRect midright, midrightbar, topright, botright, botbar, midbar, leftbar, topbar, rightbar,
        navbar, Picture1, Picture2, bumper, Combo1;
};

// The resize steps of the master window's skin. W and H are the window's outer width and
// height, SW its inner width, all in twips. A step that would give a negative size is skipped
// and the next one runs; later steps see what the earlier ones set.
void resizeMaster(MasterGeometry& g, double W, double H, double SW);

// Where the hover caption goes under a button: its top-left at the button's bottom edge,
// half-way across, 25 twips larger than the caption label.
TwipRect hoverCaptionRect(const TwipRect& button, double labelWidth, double labelHeight);

} // namespace vireo
