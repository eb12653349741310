#include "phonebook/ContactFile.h"

#include "phonebook/ContactLists.h"
#include "platform/Logging.h"
#include "platform/ProgramFolder.h"
#include "shell/QuotedFieldReader.h"
#include "shell/QuotedFieldWriter.h"

#include <QFile>
#include <QFileInfo>

namespace vireo {

namespace {

// The longest file name Linux file systems take, in bytes.
constexpr qsizetype maxFileNameBytes = 255;

int position(const QString& field, const QStringList& list)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok ? ContactLists::positionIn(list, value) : -1;
}

// The six lines in one buffer: a write replaces the file with all of them or none.
QuotedFieldWriter linesOf(const ContactRecord& r)
{
    QuotedFieldWriter out;
    out.write({r.name, r.phone, r.email, r.name});
    out.writeText(r.address);
    out.writeText(r.picturePath);
    out.writeText(r.comments);
    out.write({QuotedFieldWriter::Field(static_cast<long long>(r.month)),
               QuotedFieldWriter::Field(static_cast<long long>(r.day)),
               QuotedFieldWriter::Field(static_cast<long long>(r.year)),
               QuotedFieldWriter::Field(static_cast<long long>(r.relationship))});
    out.writeText(r.age);
    return out;
}

} // namespace

QByteArray ContactFile::bytes(const ContactRecord& record)
{
    return linesOf(record).bytes();
}

ContactFile::Contents ContactFile::parse(const QByteArray& bytes)
{
    Contents c;
    ContactRecord& r = c.record;
    QuotedFieldReader in(bytes);
    for (; c.fields < FieldCount && !in.atEnd(); ++c.fields) {
        const std::optional<QString> field = in.readField();
        if (!field)
            break;
        switch (c.fields) {
        case Name:
            r.name = *field;
            break;
        case Phone:
            r.phone = *field;
            break;
        case Email:
            r.email = *field;
            break;
        case NameAgain:
            break;
        case Address:
            r.address = *field;
            break;
        case Picture:
            r.picturePath = *field;
            break;
        case Comments:
            r.comments = *field;
            break;
        case Month:
            r.month = position(*field, ContactLists::months());
            break;
        case Day:
            r.day = position(*field, ContactLists::days());
            break;
        case Year:
            r.year = position(*field, ContactLists::years());
            break;
        case Relationship:
            r.relationship = position(*field, ContactLists::relationships());
            break;
        case Age:
            r.age = *field;
            break;
        }
    }
    return c;
}

std::optional<ContactFile::Contents> ContactFile::read(const QString& path)
{
    // A pipe or a device in a contact's place would block or never end.
    if (!QFileInfo(path).isFile()) {
        qCWarning(lcFiles) << "cannot read" << path << "missing or not a regular file";
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcFiles) << "cannot read" << path << file.errorString();
        return std::nullopt;
    }
    return parse(file.readAll());
}

bool ContactFile::write(const QString& path, const ContactRecord& record)
{
    return linesOf(record).saveTo(path);
}

bool ContactFile::isSafeName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (forbidden.contains(c) || c.category() == QChar::Other_Control)
            return false;
    }
    return (name + QLatin1String(".vpe")).toUtf8().size() <= maxFileNameBytes;
}

std::optional<QString> ContactFile::pathOf(const ProgramFolder& folder, const QString& name)
{
    if (!isSafeName(name))
        return std::nullopt;
    return folder.path(QLatin1Char('\\') + name + QLatin1String(".vpe"));
}

QString ContactFile::toFileLines(const QString& boxText)
{
    QString text = toBoxLines(boxText);
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString ContactFile::toBoxLines(const QString& fileText)
{
    QString text = fileText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace vireo
