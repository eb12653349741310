#pragma once

#include <QByteArray>
#include <QStringView>

namespace vireo {

// RTF being written: control words with their delimiters, and text with RTF's own characters
// escaped and everything beyond ASCII as \'hh (Windows-1252) or \uN? (the rest).
class RtfOutput {
public:
    QByteArray bytes;

    // A control word; the next text gets the space that ends it.
    void word(const char* name)
    {
        bytes += '\\';
        bytes += name;
        needsSpace_ = true;
    }
    void word(const char* name, int parameter)
    {
        word(name);
        bytes += QByteArray::number(parameter);
    }
    // RTF syntax as it stands (braces, a control symbol, a line end).
    void raw(const char* text)
    {
        bytes += text;
        needsSpace_ = false;
    }
    // The document's text: tab and line break become \tab and \line; characters that mean
    // something else to the document (objects, frame and paragraph marks) are left out.
    void text(QStringView text);

private:
    void symbol(const char* text)
    {
        bytes += text;
        needsSpace_ = false;
    }
    void literal(char c)
    {
        if (needsSpace_)
            bytes += ' ';
        bytes += c;
        needsSpace_ = false;
    }

    bool needsSpace_ = false; // a control word was written last: a space ends it
};

} // namespace vireo
