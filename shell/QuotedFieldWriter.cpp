#include "shell/QuotedFieldWriter.h"

#include "platform/Logging.h"

#include <QFile>
#include <QSaveFile>

namespace vireo {

QByteArray QuotedFieldWriter::line(std::initializer_list<Field> fields)
{
    QByteArray out;
    bool first = true;
    for (const Field& field : fields) {
        if (!first)
            out.append(',');
        first = false;
        if (const auto* number = std::get_if<long long>(&field)) {
            out.append(QByteArray::number(*number));
            continue;
        }
        QString text = std::get<QString>(field);
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        out.append('"');
        out.append(text.toUtf8());
        out.append('"');
    }
    out.append("\r\n");
    return out;
}

void QuotedFieldWriter::write(std::initializer_list<Field> fields)
{
    bytes_.append(line(fields));
}

bool QuotedFieldWriter::saveTo(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcFiles) << "cannot write" << path << file.errorString();
        return false;
    }
    if (file.write(bytes_) != bytes_.size()) {
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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qCWarning(lcFiles) << "cannot append to" << path << file.errorString();
        return false;
    }
    const qint64 before = file.size();
    if (file.write(bytes_) == bytes_.size() && file.flush())
        return true;
    qCWarning(lcFiles) << "cannot append to" << path << file.errorString();
    // A half-written line would read back as a wrong last entry: take it off again.
    file.resize(before);
    return false;
}

} // namespace vireo
