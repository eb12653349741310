#include "shell/MasterLayout.h"

namespace vireo {

namespace {

// Sizes cannot be negative: assigning one fails and the step is skipped.
void setSize(double& property, double value)
{
    if (value < 0)
        return;
    property = value;
}

} // namespace

void resizeMaster(MasterGeometry& g, double W, double H, double SW)
{
    g.midright.left = W - 350;
    g.midrightbar.left = W - 210;
    g.topright.left = W - 370;
    g.botright.left = W - 230;
    setSize(g.botbar.width, W);
    setSize(g.midbar.width, W - g.midright.width);
    setSize(g.leftbar.height, H);
    setSize(g.topbar.width, SW);
    setSize(g.rightbar.height, H);
    setSize(g.midrightbar.height, g.navbar.height);
    setSize(g.Picture1.width, g.Picture2.left - 100);
    g.bumper.left = W - 900;
    setSize(g.Combo1.width, W - 1900);
}

TwipRect hoverCaptionRect(const TwipRect& button, double labelWidth, double labelHeight)
{
    return {button.left + button.width / 2, button.top + button.height, labelWidth + 25,
            labelHeight + 25};
}

} // namespace vireo
