#pragma once

namespace vireo {

// Left, top, width and height of a control, in twips.
struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipRect&) const = default;
};

} // namespace vireo

namespace vireo::twips {

// 1440 twips per inch, 96 logical pixels per inch: 15 twips per pixel.
inline constexpr int perPixel = 15;

constexpr int toPixels(double twips)
{
    const double px = twips / perPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

constexpr double fromPixels(int pixels)
{
    return static_cast<double>(pixels) * perPixel;
}

} // namespace vireo::twips
