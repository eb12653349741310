#include "shell/QuotedFieldWriter.h"

#include "platform/Logging.h"
#include "platform/RegularFile.h"

#include "shell/QuotedFieldReader.h"

#include <QFile>
#include <QSaveFile>

namespace vireo {

namespace {

bool startsWithMark(const QString& path)
{
    QFile file(path);
    const QByteArrayView mark = QuotedFieldReader::newFormMark();
    return file.open(QIODevice::ReadOnly) && file.read(mark.size()) == mark;
}

} // namespace

void QuotedFieldWriter::write(std::initializer_list<Field> fields)
{
    QByteArray& out = lines_;
    bool first = true;
    for (const Field& field : fields) {
        if (!first)
            out.append(',');
        first = false;
        if (const auto* number = std::get_if<long long>(&field)) {
            out.append(QByteArray::number(*number));
            continue;
        }
        QByteArray text = std::get<QString>(field).toUtf8();
        if (text.contains('"')) {
            text.replace("\"", "\"\"");
            needsMark_ = true;
        }
        out.append('"');
        out.append(text);
        out.append('"');
    }
    out.append("\r\n");
}

QByteArray QuotedFieldWriter::bytes() const
{
    if (!needsMark_)
        return lines_;
    return QuotedFieldReader::newFormMark().toByteArray() + lines_;
}

bool QuotedFieldWriter::saveTo(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcFiles) << "cannot write" << path << file.errorString();
        return false;
    }
    const QByteArray content = bytes();
    if (file.write(content) != content.size()) {
        qCWarning(lcFiles) << "cannot write" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (file.commit())
        return true;
    qCWarning(lcFiles) << "cannot replace" << path << file.errorString();
    return false;
}

bool QuotedFieldWriter::appendTo(const QString& path) const
{
    if (!isRegularOrAbsent(path)) {
        qCWarning(lcFiles) << "cannot append to" << path << "not a regular file";
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qCWarning(lcFiles) << "cannot append to" << path << file.errorString();
        return false;
    }
    const qint64 before = file.size();
    QByteArray added = lines_;
    if (needsMark_) {
        if (before == 0) {
            added.prepend(QuotedFieldReader::newFormMark().toByteArray());
        } else if (!startsWithMark(path)) {
            qCWarning(lcFiles) << "not appended to" << path << "a quote needs the file rewritten";
            return false;
        }
    }
    if (file.write(added) == added.size() && file.flush())
        return true;
    qCWarning(lcFiles) << "cannot append to" << path << file.errorString();
    // A half-written line would read back as a wrong last entry: take it off again.
    file.resize(before);
    return false;
}

} // namespace vireo
