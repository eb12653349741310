// vireo-skin OUTDIR [--mockup FILE]
//
// Draws every skin bitmap of the master window and writes them into OUTDIR as 24-bit BMP files.
// With --mockup it also writes a mock master window, put together from the written files, to
// FILE (any format Qt writes, chosen by the extension).

#include "Canvas.h"
#include "Skin.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// An edge that the program stretches must look the same all along the stretch.
bool flatAlongStretch(const skin::Bitmap& b)
{
    const QImage& im = b.image;
    using S = skin::Bitmap::Stretch;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            const QRgb first = b.stretch == S::Horizontal ? im.pixel(0, y) : im.pixel(x, 0);
            if (b.stretch != S::None && im.pixel(x, y) != first)
                return false;
        }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args.at(2) == QStringLiteral("--mockup"))) {
        err << "usage: vireo-skin OUTDIR [--mockup FILE]\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }

    std::vector<skin::Bitmap> all = skin::framePieces();
    for (auto* more : {&skin::buttonFaces, &skin::bumperFrames})
        for (skin::Bitmap& b : more())
            all.push_back(std::move(b));

    int failures = 0;
    for (const skin::Bitmap& b : all) {
        const QString path = out.filePath(b.name + QStringLiteral(".bmp"));
        if (!flatAlongStretch(b)) {
            err << b.name << ": not flat along its stretch\n";
            ++failures;
        }
        if (!skin::opaque(b.image).save(path, "BMP")) {
            err << "cannot write " << path << "\n";
            ++failures;
        }
    }
    QTextStream(stdout) << "wrote " << all.size() << " bitmaps to " << out.path() << "\n";

    if (args.size() == 4) {
        const QImage mock = skin::mockup(out.path());
        if (mock.isNull() || !mock.save(args.at(3))) {
            err << "cannot write the mockup " << args.at(3) << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
