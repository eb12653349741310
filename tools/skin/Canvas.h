// Supersampled painting: artwork is painted at kScale times its size and averaged down, which
// keeps small shapes that overlap free of the seams that per-shape antialiasing leaves.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include <functional>

namespace skin {

inline constexpr int kScale = 4;

// A transparent layer of size * kScale, to be painted in the logical coordinates of size.
QImage makeLayer(QSize size);
// A painter on a layer made by makeLayer, scaled so that one unit is one final pixel.
void beginLogical(QPainter& p, QImage& layer);
// Averages a supersampled layer down to its final size.
QImage reduce(const QImage& layer);
// Paints the supersampled layer over a layer of the same size.
void composite(QImage& under, const QImage& over,
               QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver);
// Paints with paint on a fresh layer of the given size and returns that layer.
QImage paintLayer(QSize size, const std::function<void(QPainter&)>& paint);
// A layer of the given size filled with an opaque colour.
QImage solidLayer(QSize size, const QColor& colour);
// Returns the layer with every covered pixel replaced by colour, keeping the coverage.
QImage silhouette(const QImage& layer, const QColor& colour);
// Multiplies the colour of every pixel by factor (below one darkens), keeping the coverage.
void shade(QImage& layer, qreal factor);
// Turns the layer grey and pulls it toward mid grey by fade (0 keeps the contrast).
void greyOut(QImage& layer, qreal fade);
// Drops the alpha channel: the result is what a 24-bit file can hold.
QImage opaque(const QImage& image);

} // namespace skin
