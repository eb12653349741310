#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace vireo::test {

// Writes a 1 kHz sine tone of `tenthsOfSeconds` as MP3 (lamemp3enc, an ID3v2 tag, and with
// `xing` a Xing header, as LAME itself writes, so the length is known before playing) or WAV,
// made at run time with gst-launch-1.0. 1 kHz at 44.1 kHz repeats every 441 samples, so a level
// measured over 10 ms is the same in every interval. Returns gst-launch's complaint, or the
// empty text when the file was written.
inline QString makeTone(const QString& path, int tenthsOfSeconds, int channels = 2,
                        bool xing = true)
{
    const bool mp3 = path.endsWith(QLatin1String(".mp3"));
    QStringList args{QStringLiteral("-q"),
                     QStringLiteral("audiotestsrc"),
                     QStringLiteral("wave=sine"),
                     QStringLiteral("freq=1000"),
                     QStringLiteral("volume=0.5"),
                     QStringLiteral("samplesperbuffer=4410"),
                     QStringLiteral("num-buffers=%1").arg(tenthsOfSeconds),
                     QStringLiteral("!"),
                     QStringLiteral("audio/x-raw,rate=44100,channels=%1").arg(channels),
                     QStringLiteral("!")};
    if (mp3)
        args << QStringLiteral("lamemp3enc") << QStringLiteral("!");
    if (mp3 && xing)
        args << QStringLiteral("xingmux") << QStringLiteral("!");
    if (mp3)
        args << QStringLiteral("id3v2mux");
    else
        args << QStringLiteral("wavenc");
    args << QStringLiteral("!") << QStringLiteral("filesink") << QStringLiteral("location=") + path;
    QProcess gst;
    gst.start(QStringLiteral("gst-launch-1.0"), args);
    if (!gst.waitForFinished(30000) || gst.exitStatus() != QProcess::NormalExit ||
        gst.exitCode() != 0)
        return QStringLiteral("gst-launch-1.0 failed: ") + QString::fromLocal8Bit(gst.readAll()) +
               gst.errorString();
    return {};
}

} // namespace vireo::test
