#pragma once

#include <QString>

namespace vireo {

// "Web Pages (*.htm;*.html)|*.htm;*.html|Text Files(*.txt)|*.txt" -> the Qt form,
// "Web Pages (*.htm *.html);;Text Files(*.txt)". A description that ends with its own patterns
// shows them once; any other gets its real patterns appended, so that "BMP Pictures(.bmp)"
// still filters on "*.bmp".
QString qtFileFilter(const QString& windowsFilter);

} // namespace vireo
