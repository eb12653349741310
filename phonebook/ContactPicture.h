#pragma once

#include <QPixmap>
#include <QString>

namespace vireo {

// The picture of a contact, read from the path its file names whenever the contact is shown.
class ContactPicture {
public:
    // No picture for the empty path; the default picture when the path names no regular file
    // or no image that can be read. A picture larger than the box is cut off, not scaled.
    static QPixmap load(const QString& path);
};

} // namespace vireo
