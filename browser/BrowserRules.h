#pragma once

#include "shell/MasterLayout.h"

#include <optional>

namespace vireo {

// Where the browser window's page and link-panel controls sit, in twips. Label1 and label2
// are inside the header Picture1; the rest are relative to the window's client area.
struct BrowserGeometry {
    TwipRect page{0, 0, 7335, 4050}; // WebBrowser1
    TwipRect Picture1{0, 0, 2070, 420};
    TwipRect Label1{30, 15, 1920, 270};
    TwipRect label2{1800, 0, 225, 225};
    TwipRect List2{-30, 405, 2070, 2730};
    TwipRect Picture2{2040, 0, 50, 4050};
    bool operator==(const BrowserGeometry&) const = default;
};

// The layout rules of the browser window. Each assignment stands alone: one that would make a
// width or a height negative is skipped and the control keeps its size.
namespace browserLayout {

// Run on every resize and whenever the link panel opens or closes.
void formResize(BrowserGeometry& g, double clientWidth, double clientHeight);

// Opening the link panel: the header reaches the splitter, the page starts right of it.
void showLinkPanel(BrowserGeometry& g);

// The page back at the left edge, then the ordinary layout.
void gog(BrowserGeometry& g, double clientWidth, double clientHeight);

// The splitter's left while dragged: it keeps the offset at which it was grabbed, unbounded.
double dragSplitter(double left, double pointerX, double downX);

// Releasing the splitter lays out the panel and the page around its new place.
void releaseSplitter(BrowserGeometry& g, double clientWidth);

} // namespace browserLayout

// The progress bar's new value for a progress event, or none when the event changes nothing.
// Progress * 100 is done in 32-bit arithmetic; a product that overflows changes nothing.
std::optional<int> progressBarValue(int progress, int progressMax);

} // namespace vireo
