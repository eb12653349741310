#pragma once

#include "platform/MediaPlayer.h"

#include <QList>
#include <memory>

typedef struct _GstMessage GstMessage;
typedef struct _GstElement GstElement;

namespace vireo {

// The media-player component on GStreamer's playbin (MP3, WAV and whatever else the installed
// decoders read). Audio only. Balance and volume sit inside playbin's audio-sink bin, right
// before the sink, so a change is heard with the next buffer (as playbin's audio-filter it lags
// about a second behind): the balance
// is an `audiopanorama` in its "simple" method on 32-bit float stereo, which multiplies the
// turned-down channel by 1 - |panorama| and leaves the other alone, so we set
// |panorama| = 1 - 10^(-dB/20) and get exact decibels per channel; the volume is a `volume`
// element with the linear gain 10^(Volume/2000) and its own mute.
//
// Opening a file waits (at most a few seconds) for it to preroll, so Duration is known when
// setFileName returns and a file that cannot be opened gives false at once. Bus messages are
// handled on the thread that owns this object (a sync handler only queues a drain), so this
// works with any Qt event dispatcher, GLib's or not.
//
// Without a sound device autoaudiosink falls back to a fakesink; it is kept in sync with the
// clock, so playback is real time and the positions are the same as with a device. As nothing is
// heard then, the decoders hand it 500 ms pieces rather than single frames, which saves the
// streaming threads most of their wake-ups; a gain change then shows in the output up to two
// pieces later (with a device the pieces stay single frames).
class GstMediaPlayer final : public MediaPlayer {
    Q_OBJECT
public:
    struct Options {
        // When > 0, a `level` element after the gains measures the output every this many ms
        // (tests read the measurements with takeLevels()).
        int levelIntervalMs = 0;
    };

    explicit GstMediaPlayer(QObject* parent = nullptr);
    GstMediaPlayer(const Options& options, QObject* parent);
    ~GstMediaPlayer() override;

    // Initialises GStreamer once per process; later calls do nothing. Returns false when
    // GStreamer or playbin is not available (every player then fails its operations).
    static bool initialize(int* argc = nullptr, char*** argv = nullptr);

    bool setFileName(const QString& path) override;
    bool Play() override;
    bool Pause() override;
    bool Stop() override;
    double Duration() const override;
    double CurrentPosition() const override;
    bool setCurrentPosition(double seconds) override;
    bool setVolume(int hundredthsOfDecibel) override;
    bool setBalance(int hundredthsOfDecibel) override;
    bool Mute() const override;
    bool setMute(bool mute) override;

    // One measurement of the `level` element (Options::levelIntervalMs).
    struct Level {
        double streamTime = 0; // seconds: start of the measured interval in the file
        double duration = 0;   // seconds
        QList<double> rmsDb;   // per channel: left, right
    };
    // The measurements received since the last call, oldest first.
    QList<Level> takeLevels();

    // The linear gains now set on the output (left, right), volume and mute included.
    double leftGain() const;
    double rightGain() const;

    // The playbin, for tests that watch what it holds; null without GStreamer.
    GstElement* pipeline() const;

private:
    struct Impl;
    void drainBus();
    void handle(GstMessage* message);
    QList<GstMessage*> takePending();
    void discardPending();
    bool seekTo(double seconds);
    std::unique_ptr<Impl> d;
};

} // namespace vireo
