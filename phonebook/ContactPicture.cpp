#include "phonebook/ContactPicture.h"

#include "phonebook/PimArt.h"
#include "platform/Logging.h"

#include <QFileInfo>
#include <QImageReader>

namespace vireo {

QPixmap ContactPicture::load(const QString& path)
{
    if (path.isEmpty())
        return {};
    // A pipe or a device in the picture's place would block.
    if (!QFileInfo(path).isFile()) {
        qCWarning(lcFiles) << "no picture in" << path << "missing or not a regular file";
        return PimArt::defaultPicture();
    }
    QImageReader reader(path);
    // Only the part the box shows is needed; a huge image is not decoded whole when the
    // format can clip while reading.
    const QSize box = PimArt::pictureSize();
    const QSize full = reader.size();
    if (full.isValid() && reader.supportsOption(QImageIOHandler::ClipRect))
        reader.setClipRect(QRect(QPoint(0, 0), full.boundedTo(box)));
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lcFiles) << "no picture in" << path << reader.errorString();
        return PimArt::defaultPicture();
    }
    return QPixmap::fromImage(image.copy(QRect(QPoint(0, 0), image.size().boundedTo(box))));
}

} // namespace vireo
