#include "Canvas.h"

#include <algorithm>

namespace skin {

QImage makeLayer(QSize size)
{
    QImage layer(size * kScale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

void beginLogical(QPainter& p, QImage& layer)
{
    p.begin(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(kScale, kScale);
}

QImage reduce(const QImage& layer)
{
    // Plain box average over each kScale x kScale block: exact and free of ringing.
    const int w = layer.width() / kScale;
    const int h = layer.height() / kScale;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const QImage src = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    constexpr int n = kScale * kScale;
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kScale; ++sy) {
                const auto* row = reinterpret_cast<const QRgb*>(src.constScanLine(y * kScale + sy));
                for (int sx = 0; sx < kScale; ++sx) {
                    const QRgb px = row[x * kScale + sx];
                    a += qAlpha(px);
                    r += qRed(px);
                    g += qGreen(px);
                    b += qBlue(px);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

void composite(QImage& under, const QImage& over, QPainter::CompositionMode mode)
{
    QPainter p(&under);
    p.setCompositionMode(mode);
    p.drawImage(0, 0, over);
}

QImage paintLayer(QSize size, const std::function<void(QPainter&)>& paint)
{
    QImage layer = makeLayer(size);
    QPainter p;
    beginLogical(p, layer);
    paint(p);
    p.end();
    return layer;
}

QImage solidLayer(QSize size, const QColor& colour)
{
    QImage layer = makeLayer(size);
    layer.fill(colour);
    return layer;
}

QImage silhouette(const QImage& layer, const QColor& colour)
{
    QImage out = layer;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    return out;
}

void shade(QImage& layer, qreal factor)
{
    for (int y = 0; y < layer.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb px = row[x];
            const int a = qAlpha(px);
            auto f = [&](int c) { return std::clamp(qRound(c * factor), 0, a); };
            row[x] = qRgba(f(qRed(px)), f(qGreen(px)), f(qBlue(px)), a);
        }
    }
}

void greyOut(QImage& layer, qreal fade)
{
    for (int y = 0; y < layer.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb px = row[x];
            const int a = qAlpha(px);
            // Premultiplied: the grey of a half covered pixel is half as bright.
            const qreal grey = 0.30 * qRed(px) + 0.59 * qGreen(px) + 0.11 * qBlue(px);
            const qreal mid = 128.0 * a / 255.0;
            const int v = std::clamp(qRound(grey + (mid - grey) * fade), 0, a);
            row[x] = qRgba(v, v, v, a);
        }
    }
}

QImage opaque(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace skin
