#pragma once

#include <QDir>
#include <QFile>
#include <QTest>

namespace vireo::test {

// Adds a row to the "bytes" column for each file of a fuzz target's stored corpus, named after
// the file. False, with the test failed, when the corpus is missing or a file cannot be read.
inline bool addCorpusRows(const QString& folder)
{
    const QDir corpus(folder);
    const QStringList files = corpus.entryList(QDir::Files);
    if (files.isEmpty()) {
        QTest::qFail("the corpus is missing", __FILE__, __LINE__);
        return false;
    }
    for (const QString& name : files) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            QTest::qFail(qPrintable(QStringLiteral("cannot read %1").arg(file.fileName())),
                         __FILE__, __LINE__);
            return false;
        }
        QTest::newRow(qPrintable(name)) << file.readAll();
    }
    return true;
}

} // namespace vireo::test
