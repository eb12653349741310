#pragma once

#include <QString>

namespace vireo {

// "Web Pages (*.htm;*.html)|*.htm;*.html|Text Files(*.txt)|*.txt" -> the Qt form,
// "Web Pages (*.htm;*.html) (*.htm *.html);;Text Files(*.txt) (*.txt)".
// The description is kept as written; the patterns always follow it in parentheses so that
// a description such as "BMP Pictures(.bmp)" still filters on its real pattern.
QString qtFileFilter(const QString& windowsFilter);

} // namespace vireo
