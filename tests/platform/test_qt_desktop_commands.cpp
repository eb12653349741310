// The desktop's programs started for real: a program found on the PATH is started detached with
// its arguments exactly as given (no shell sees them), and a list with nothing installed fails.

#include "platform/QtDesktopCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vireo;

namespace {

// A program in `folder` that writes its arguments, one a line, to `folder/ran`.
void writeRecorder(const QString& folder, const QString& name)
{
    QFile script(folder + QLatin1Char('/') + name);
    QVERIFY(script.open(QIODevice::WriteOnly));
    // Shell built-ins only: the program runs with the test's PATH, which holds nothing else.
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"${0%/*}/ran\"\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class TestQtDesktopCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstInstalledProgramStartsWithItsArgumentsAsGiven()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        writeRecorder(folder.path(), QStringLiteral("vireo-test-mixer"));
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", folder.path().toLocal8Bit());

        QtDesktopCommands commands;
        const bool started =
            commands.startFirst({{QStringLiteral("vireo-test-not-installed"), QStringLiteral("x")},
                                 {QStringLiteral("vireo-test-mixer"), QStringLiteral("two words"),
                                  QStringLiteral("$HOME;touch pwned"), QStringLiteral("*")}});
        qputenv("PATH", oldPath);

        QVERIFY(started);
        const QString ran = folder.filePath(QStringLiteral("ran"));
        const auto recorded = [&ran] {
            QFile output(ran);
            return output.open(QIODevice::ReadOnly) ? output.readAll() : QByteArray();
        };
        QTRY_COMPARE_WITH_TIMEOUT(recorded(), QByteArray("two words\n$HOME;touch pwned\n*\n"),
                                  10000);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("pwned"))));
    }

    void nothingInstalledFails()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", folder.path().toLocal8Bit());
        QtDesktopCommands commands;
        const bool started = commands.startFirst({{QStringLiteral("vireo-test-not-installed")},
                                                  {},
                                                  {QStringLiteral("vireo-test-either")}});
        qputenv("PATH", oldPath);
        QVERIFY(!started);
    }
};

QTEST_GUILESS_MAIN(TestQtDesktopCommands)
#include "test_qt_desktop_commands.moc"
