#include "browser/HomeworkDirectory.h"

#include <QTest>

using namespace vireo;

class TestHomeworkDirectory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileFor_data();
    void fileFor();
};

void TestHomeworkDirectory::fileFor_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path"); // empty: loads nothing
    QTest::newRow("beside the program") << u"maths.vht"_qs << u"/p/maths.vht"_qs;
    QTest::newRow("subfolder") << u"homework\\maths.vht"_qs << u"/p/homework/maths.vht"_qs;
    QTest::newRow("two subfolders")
        << u"homework\\maths\\algebra.vhs"_qs << u"/p/homework/maths/algebra.vhs"_qs;
    QTest::newRow("dot dot") << u"..\\secret.txt"_qs << QString();
    QTest::newRow("dot dot after a folder") << u"homework\\..\\..\\x.vhs"_qs << QString();
    QTest::newRow("dot dot forward") << u"../x.vhs"_qs << QString();
    QTest::newRow("leading backslash") << u"\\etc\\passwd"_qs << QString();
    QTest::newRow("absolute") << u"/etc/passwd"_qs << QString();
    QTest::newRow("drive") << u"C:\\x.vhs"_qs << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestHomeworkDirectory::fileFor()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    const auto file = HomeworkDirectory::fileFor(ProgramFolder(u"/p"_qs), name);
    QCOMPARE(file.value_or(QString()), path);
}

QTEST_GUILESS_MAIN(TestHomeworkDirectory)
#include "test_homework_directory.moc"
