// The desktop's programs started for real: a program found on the PATH is started detached with
// its arguments exactly as given (no shell sees them), and a list with nothing installed fails.
// An address of another scheme goes to the desktop's program for it, set up in temporary XDG
// folders; with none set up it fails, although xdg-open itself starts.

#include "platform/QtDesktopCommands.h"
#include "support/XdgFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace vireo;
using namespace vireo::test;

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

void writeFile(const QString& path, const QByteArray& content)
{
    QVERIFY(QDir().mkpath(path.section(QLatin1Char('/'), 0, -2)));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
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

    void addressGoesToTheDesktopsProgramForItsScheme_data()
    {
        QTest::addColumn<bool>("programSetUp");
        QTest::newRow("a program for aim: addresses") << true;
        QTest::newRow("no program for aim: addresses") << false;
    }

    void addressGoesToTheDesktopsProgramForItsScheme()
    {
        QFETCH(bool, programSetUp);
        for (const char* tool : {"xdg-open", "xdg-mime"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("the desktop's address tools are not installed");
        }
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        writeRecorder(bin, QStringLiteral("vireo-test-messenger"));
        if (programSetUp) {
            writeFile(
                root.filePath(QStringLiteral("data/applications/vireo-test-messenger.desktop")),
                "[Desktop Entry]\nType=Application\nName=Messenger\nExec=" + bin.toLocal8Bit() +
                    "/vireo-test-messenger %u\nMimeType=x-scheme-handler/aim;\n");
            writeFile(root.filePath(QStringLiteral("config/mimeapps.list")),
                      "[Default Applications]\n"
                      "x-scheme-handler/aim=vireo-test-messenger.desktop\n");
        }
        const XdgFolders folders(root.path());
        // xdg-open asks the desktop's programs only when there is a display; none is opened.
        const QByteArray display = qgetenv("DISPLAY");
        if (display.isEmpty())
            qputenv("DISPLAY", ":vireo-test-none");

        QtDesktopCommands commands;
        const QUrl address(QStringLiteral("aim:goim?screenname=somebody&message=hi%20there"));
        QCOMPARE(commands.openAddress(address), programSetUp);
        const QString ran = QDir(bin).filePath(QStringLiteral("ran"));
        if (programSetUp) {
            const auto recorded = [&ran] {
                QFile output(ran);
                return output.open(QIODevice::ReadOnly) ? output.readAll().trimmed() : QByteArray();
            };
            QTRY_COMPARE_WITH_TIMEOUT(recorded(), address.toEncoded(), 10000);
        } else {
            QTest::qWait(500);
            QVERIFY(!QFile::exists(ran));
        }
        if (display.isEmpty())
            qunsetenv("DISPLAY");
    }
};

QTEST_MAIN(TestQtDesktopCommands)
#include "test_qt_desktop_commands.moc"
