#pragma once

#include <QString>

namespace vireo {

// The texts of the phone book's help panel.
namespace phonebookhelp {

// The questions and their steps, CR LF after every line, the last one included.
QString text();
QString closeHint();  // the panel's tooltip
QString closeLabel(); // the label under it, which closes it when clicked

} // namespace phonebookhelp

} // namespace vireo
