// The link lists and the homework directory ship in the program folder and the program only
// reads them: a slip in one of them (a lost quote, an address without its scheme, a topic file
// that was renamed) shows up as a link that vanishes or opens nothing, with no message. This
// test reads every shipped file the way the program does and checks what the program relies on.

#include "platform/ProgramFolder.h"
#include "shell/ProductSite.h"
#include "shell/QuotedFieldReader.h"
#include "shell/QuotedFieldWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>
#include <QUrl>

using namespace vireo;

namespace {

struct Pair {
    QString name;
    QString second;
};

QString dataDir()
{
    return qEnvironmentVariable("VIREO_DATA_DIR");
}

QString inData(const QString& name)
{
    return ProgramFolder(dataDir()).path(name);
}

// The fields of the file two at a time, as the program takes them; nullopt when the file
// cannot be opened or holds an odd number of fields.
std::optional<QList<Pair>> readPairs(const QString& path)
{
    auto reader = QuotedFieldReader::open(path);
    if (!reader)
        return std::nullopt;
    const QStringList fields = reader->readAll();
    if (fields.size() % 2 != 0)
        return std::nullopt;
    QList<Pair> pairs;
    for (qsizetype i = 0; i < fields.size(); i += 2)
        pairs.append({fields[i], fields[i + 1]});
    return pairs;
}

// Reads the file and checks its form: it must be exactly its pairs written one a line by the
// program's own writer (UTF-8, both fields quoted, CR LF, nothing else), so the reader finds
// what the editor of the file meant. Also: names non-empty and unique, second fields unique.
QList<Pair> verifiedPairs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot open ") + path), __FILE__, __LINE__);
        return {};
    }
    const QByteArray bytes = file.readAll();
    const auto pairs = readPairs(path);
    if (!pairs) {
        QTest::qFail(qPrintable(path + QStringLiteral(": an odd number of fields")), __FILE__,
                     __LINE__);
        return {};
    }

    QuotedFieldWriter written;
    QSet<QString> names;
    QSet<QString> seconds;
    for (const Pair& pair : *pairs) {
        written.write({pair.name, pair.second});
        const QString where = path + QStringLiteral(": \"") + pair.name + QLatin1Char('"');
        if (pair.name.isEmpty() || pair.second.isEmpty()) {
            QTest::qFail(qPrintable(where + QStringLiteral(" has an empty field")), __FILE__,
                         __LINE__);
            return {};
        }
        if (names.contains(pair.name) || seconds.contains(pair.second)) {
            QTest::qFail(qPrintable(where + QStringLiteral(" is there twice")), __FILE__, __LINE__);
            return {};
        }
        names.insert(pair.name);
        seconds.insert(pair.second);
    }
    if (written.bytes() != bytes) {
        QTest::qFail(qPrintable(path + QStringLiteral(": not one quoted pair a line with CR LF "
                                                      "in UTF-8")),
                     __FILE__, __LINE__);
        return {};
    }
    return *pairs;
}

// Why the address is not one to ship, or an empty text when it is.
QString addressFault(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return QStringLiteral("does not parse: ") + url.errorString();
    if (url.scheme() != QLatin1String("https"))
        return QStringLiteral("is not https");
    if (url.host().isEmpty())
        return QStringLiteral("has no host");
    if (!url.userInfo().isEmpty())
        return QStringLiteral("carries a user name, which hides the real host");
    return {};
}

// Why a file name read from a subject or topic file is not one to ship, or an empty text when
// it names a file inside the program folder.
QString fileNameFault(const QString& name)
{
    if (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/')) ||
        name.contains(QLatin1Char(':')))
        return QStringLiteral("is absolute");
    const QStringList parts = name.split(QLatin1Char('\\'));
    if (parts.contains(QStringLiteral("..")) || parts.contains(QString()))
        return QStringLiteral("climbs out or has an empty part");
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("uses / where the program folder's names use \\");
    const auto path = ProgramFolder(dataDir()).pathInside(name);
    if (!path)
        return QStringLiteral("is refused by the program folder");
    const QFileInfo info(*path);
    if (!info.isFile())
        return QStringLiteral("names no file");
    const QString root = QFileInfo(dataDir()).canonicalFilePath() + QLatin1Char('/');
    if (!info.canonicalFilePath().startsWith(root))
        return QStringLiteral("leads out of the program folder");
    return {};
}

const char* const subjectFile = "\\help.vhe";

// The topic files the subject file names, or the site files the topic files name.
QStringList namedFiles(const QStringList& from)
{
    QStringList names;
    for (const QString& file : from) {
        const auto pairs = readPairs(inData(file));
        if (!pairs)
            continue;
        for (const Pair& pair : *pairs) {
            if (!pair.name.isEmpty() && fileNameFault(pair.second).isEmpty())
                names.append(pair.second);
        }
    }
    return names;
}

QStringList topicFiles()
{
    return namedFiles({QString::fromLatin1(subjectFile)});
}

QStringList siteFiles()
{
    return namedFiles(topicFiles());
}

void verifyCount(const QString& path, qsizetype count, qsizetype least, qsizetype most)
{
    QVERIFY2(
        count >= least && count <= most,
        qPrintable(
            path +
            QStringLiteral(": %1 entries, expected %2 to %3").arg(count).arg(least).arg(most)));
}

void verifyAddresses(const QString& path, const QList<Pair>& pairs)
{
    for (const Pair& pair : pairs) {
        const QString fault = addressFault(pair.second);
        QVERIFY2(fault.isEmpty(),
                 qPrintable(path + QStringLiteral(": ") + pair.second + QLatin1Char(' ') + fault));
    }
}

void verifyFileNames(const QString& path, const QList<Pair>& pairs)
{
    for (const Pair& pair : pairs) {
        const QString fault = fileNameFault(pair.second);
        QVERIFY2(fault.isEmpty(),
                 qPrintable(path + QStringLiteral(": ") + pair.second + QLatin1Char(' ') + fault));
    }
}

} // namespace

class TestShippedLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void linkList_data();
    void linkList();
    void subjects();
    void topics_data();
    void topics();
    void sites_data();
    void sites();
    void everyHomeworkFileIsNamed();
    void updateAndFeedbackPages();
};

void TestShippedLists::initTestCase()
{
    QVERIFY2(QFileInfo(dataDir()).isDir(), "VIREO_DATA_DIR names no folder");
}

void TestShippedLists::linkList_data()
{
    QTest::addColumn<QString>("name");
    for (const char* file : {"\\bands.vro", "\\chat.vro", "\\magazines.vro", "\\movies.vro",
                             "\\music.vro", "\\sports.vro", "\\tv.vro", "\\videogames.vro"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

void TestShippedLists::linkList()
{
    QFETCH(QString, name);
    const QString path = inData(name);
    const QList<Pair> links = verifiedPairs(path);
    if (QTest::currentTestFailed())
        return;
    verifyCount(path, links.size(), 12, 25);
    verifyAddresses(path, links);
}

void TestShippedLists::subjects()
{
    const QString path = inData(QString::fromLatin1(subjectFile));
    const QList<Pair> subjects = verifiedPairs(path);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(subjects.size() >= 8, qPrintable(QStringLiteral("%1 subjects").arg(subjects.size())));
    verifyFileNames(path, subjects);
}

void TestShippedLists::topics_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& file : topicFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void TestShippedLists::topics()
{
    QFETCH(QString, name);
    const QString path = inData(name);
    const QList<Pair> topics = verifiedPairs(path);
    if (QTest::currentTestFailed())
        return;
    verifyCount(path, topics.size(), 3, 6);
    verifyFileNames(path, topics);
}

void TestShippedLists::sites_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& file : siteFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void TestShippedLists::sites()
{
    QFETCH(QString, name);
    const QString path = inData(name);
    const QList<Pair> sites = verifiedPairs(path);
    if (QTest::currentTestFailed())
        return;
    verifyCount(path, sites.size(), 4, 8);
    verifyAddresses(path, sites);
}

// A file in the homework folder that no subject or topic names is a topic someone meant to
// offer and cannot be reached.
void TestShippedLists::everyHomeworkFileIsNamed()
{
    QSet<QString> named;
    for (const QString& name : topicFiles() + siteFiles())
        named.insert(QDir::cleanPath(inData(name)));
    QDirIterator it(inData(QStringLiteral("\\homework")), QDir::Files,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString file = QDir::cleanPath(it.next());
        ++files;
        QVERIFY2(named.contains(file), qPrintable(file + QStringLiteral(" is named by no file")));
    }
    QVERIFY(files > 0);
}

// "&Update" and "&Feedback" open these; the update page names the version that shows it.
void TestShippedLists::updateAndFeedbackPages()
{
    const QString version = QStringLiteral(">%1.%2.%3<")
                                .arg(VIREO_VERSION_MAJOR)
                                .arg(VIREO_VERSION_MINOR)
                                .arg(VIREO_VERSION_PATCH);
    const struct {
        QString name;
        QStringList mentions;
    } pages[] = {
        {site::localUpdatePage(), {version, QStringLiteral("apt install --only-upgrade vireo")}},
        {site::localFeedbackPage(), {QStringLiteral("step by step"), QStringLiteral("About")}},
    };
    for (const auto& page : pages) {
        QFile file(inData(page.name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page.name));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString& mention : page.mentions)
            QVERIFY2(text.contains(mention), qPrintable(page.name + QLatin1Char(' ') + mention));
    }
}

QTEST_GUILESS_MAIN(TestShippedLists)
#include "test_shipped_lists.moc"
