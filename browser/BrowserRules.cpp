#include "browser/BrowserRules.h"

namespace vireo {

namespace {

void setSize(double& field, double value)
{
    if (value >= 0)
        field = value;
}

} // namespace

namespace browserLayout {

void formResize(BrowserGeometry& g, double clientWidth, double clientHeight)
{
    setSize(g.List2.height, clientHeight - 405);
    setSize(g.page.height, clientHeight);
    setSize(g.Picture2.height, clientHeight);
    setSize(g.List2.width, g.Picture1.width + 30);
    setSize(g.page.width, clientWidth - g.page.left);
}

void showLinkPanel(BrowserGeometry& g)
{
    const double S = g.Picture2.left;
    const double W = g.Picture2.width;
    setSize(g.Picture1.width, S);
    g.page.left = S + W;
}

void gog(BrowserGeometry& g, double clientWidth, double clientHeight)
{
    g.page.left = 0;
    formResize(g, clientWidth, clientHeight);
}

double dragSplitter(double left, double pointerX, double downX)
{
    return left + (pointerX - downX);
}

void releaseSplitter(BrowserGeometry& g, double clientWidth)
{
    const double S = g.Picture2.left;
    const double W = g.Picture2.width;
    g.label2.left = S - 400;
    setSize(g.List2.width, S - 10);
    g.page.left = S + W;
    setSize(g.Picture1.width, S - 10);
    setSize(g.page.width, clientWidth - g.Picture1.width - 65);
}

} // namespace browserLayout

std::optional<int> progressBarValue(int progress, int progressMax)
{
    if (progress == -1)
        return 100;
    if (progress <= 0 || progressMax <= 0)
        return std::nullopt;
    int product = 0;
    if (__builtin_mul_overflow(progress, 100, &product))
        return std::nullopt;
    const int value = product / progressMax;
    // A value past the bar's end cannot be set.
    if (value > 100)
        return std::nullopt;
    return value;
}

} // namespace vireo
