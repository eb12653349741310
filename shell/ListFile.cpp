#include "shell/ListFile.h"

#include "shell/QuotedFieldReader.h"
#include "shell/QuotedFieldWriter.h"

namespace vireo {

namespace {

QStringList nonEmptyFields(QuotedFieldReader& reader)
{
    QStringList entries;
    while (!reader.atEnd()) {
        const auto field = reader.readField();
        if (!field)
            break;
        if (!field->isEmpty())
            entries.append(*field);
    }
    return entries;
}

} // namespace

QStringList ListFile::read(const QString& path)
{
    auto reader = QuotedFieldReader::open(path);
    if (!reader)
        return {};
    return nonEmptyFields(*reader);
}

QStringList ListFile::parse(const QByteArray& content)
{
    QuotedFieldReader reader(content);
    return nonEmptyFields(reader);
}

QByteArray ListFile::bytes(qsizetype from, qsizetype to, const EntryAt& entryAt)
{
    QuotedFieldWriter writer;
    for (qsizetype i = from; i < to; ++i)
        writer.writeText(entryAt(i));
    return writer.bytes();
}

bool ListFile::write(const QString& path, qsizetype count, const EntryAt& entryAt)
{
    QuotedFieldWriter writer;
    for (qsizetype i = 0; i < count; ++i)
        writer.writeText(entryAt(i));
    return writer.saveTo(path);
}

} // namespace vireo
