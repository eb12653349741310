// The media player on a real sound device's path: a sound server of the test's own (pulseaudio
// with a null sink), so autoaudiosink picks a device sink instead of the silent fakesink the
// other media tests get on a machine without sound. Skipped where pulseaudio is not installed.
#include "platform/GstMediaPlayer.h"
#include "support/PipelineElements.h"
#include "support/ToneFiles.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include <gst/audio/audio.h>
#include <gst/gst.h>

using namespace vireo;

namespace {

// The device sink inside the player's pipeline (a new reference), or null.
GstElement* deviceSinkIn(GstElement* pipeline)
{
    return test::findElement(pipeline,
                             [](GstElement* element) { return GST_IS_AUDIO_BASE_SINK(element); });
}

} // namespace

class TestGstSoundServer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void playsToTheSoundServer();

private:
    QTemporaryDir dir;
    QProcess server;
};

void TestGstSoundServer::initTestCase()
{
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulseaudio.isEmpty())
        QSKIP("pulseaudio is not installed");
    QVERIFY(dir.isValid());
    // The server and the player find each other through this folder; nothing of the desktop's
    // own sound server is touched.
    const QString runtime = dir.filePath(QStringLiteral("pulse"));
    qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(runtime));
    qputenv("PULSE_STATE_PATH", QFile::encodeName(runtime));
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start(pulseaudio,
                 {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                  QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                  QStringLiteral("-L"), QStringLiteral("module-null-sink"), QStringLiteral("-L"),
                  QStringLiteral("module-native-protocol-unix")});
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo::exists(runtime + QStringLiteral("/native")),
                              server.readAll().constData(), 10000);
    QVERIFY(GstMediaPlayer::initialize());
    const QString error = test::makeTone(dir.filePath(QStringLiteral("tone.mp3")), 40);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestGstSoundServer::cleanupTestCase()
{
    if (server.state() == QProcess::NotRunning)
        return;
    server.terminate();
    if (!server.waitForFinished(5000))
        server.kill();
}

// The song goes to the server through a device sink whose ring buffer is long enough that
// neither side is woken every few milliseconds, plays in real time and its end is seen.
void TestGstSoundServer::playsToTheSoundServer()
{
    GstMediaPlayer player;
    QVERIFY(player.setFileName(dir.filePath(QStringLiteral("tone.mp3"))));
    const std::unique_ptr<GstElement, decltype(&gst_object_unref)> sink(
        deviceSinkIn(player.pipeline()), &gst_object_unref);
    QVERIFY2(sink, "no device sink in the pipeline");
    QCOMPARE(test::factoryName(sink.get()), QStringLiteral("pulsesink"));
    gint64 bufferTime = 0;
    g_object_get(sink.get(), "buffer-time", &bufferTime, nullptr);
    QVERIFY2(bufferTime >= 200000, qPrintable(QString::number(bufferTime)));

    QVERIFY(player.setCurrentPosition(3.0));
    QVERIFY(player.Play());
    QElapsedTimer timer;
    timer.start();
    qint64 started = -1, nearEnd = -1;
    while (player.Duration() != player.CurrentPosition()) {
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(player.CurrentPosition())));
        if (started < 0 && player.CurrentPosition() > 3.02)
            started = timer.elapsed();
        if (nearEnd < 0 && player.CurrentPosition() > 3.95)
            nearEnd = timer.elapsed();
        QTest::qWait(5);
    }
    qInfo("the last second played in %lld ms (moving after %lld ms, at 3.95 s after %lld ms)",
          timer.elapsed(), started, nearEnd);
    QVERIFY(timer.elapsed() >= 800);
}

QTEST_GUILESS_MAIN(TestGstSoundServer)
#include "test_gst_sound_server.moc"
