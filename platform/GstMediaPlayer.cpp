#include "platform/GstMediaPlayer.h"

#include "platform/Logging.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

#include <gst/audio/audio.h>
#include <gst/audio/gstaudiodecoder.h>
#include <gst/gst.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <optional>

namespace vireo {

namespace {

// How long opening a file may wait for the first buffer (a local file takes a few ms).
constexpr GstClockTime kOpenTimeout = 5 * GST_SECOND;
// playbin's GstPlayFlags: audio only, so a file with pictures never opens a video window.
constexpr guint kPlayFlagAudio = 1u << 1;
// The ring buffer of a real sound device (microseconds). A balance or volume change is heard
// after what the buffer holds, up to 200 ms. A shorter buffer wakes the sound server and our
// streaming threads far more often: 60 ms cost 4.8 % of a core here and 4.2 % in the server
// while playing, 200 ms 1.8 % and 0.6 % (bench/idle_cpu.sh with SOUND=pulse).
constexpr gint64 kDeviceBufferTime = 200000;
constexpr gint64 kDeviceLatencyTime = 10000;
// Without a sound device the sound goes to a fakesink that only keeps time: nothing is heard, so
// decoders hand it pieces this long (20 MP3 frames) instead of one frame of 26 ms. Each piece
// costs the streaming threads a few wake-ups (the sink's clock wait, the queue's hand-over),
// which cost far more than the decoding itself. Positions come from the clock and the end of
// stream waits for the last piece's end, so both are unchanged.
constexpr gint64 kSilentOutputPiece = 500 * GST_MSECOND;

double toSeconds(gint64 nanoseconds)
{
    return static_cast<double>(nanoseconds) / GST_SECOND;
}

gint64 toNanoseconds(double seconds)
{
    return static_cast<gint64>(std::llround(seconds * GST_SECOND));
}

// Hundredths of a decibel to a linear amplitude factor.
double gainOf(int hundredthsOfDecibel)
{
    return std::pow(10.0, hundredthsOfDecibel / 2000.0);
}

// audiopanorama "simple": panorama p < 0 multiplies the right channel by 1 + p, p > 0 the left
// by 1 - p; the other channel is left alone.
double panoramaFor(int balance)
{
    if (balance < 0)
        return gainOf(balance) - 1.0;
    if (balance > 0)
        return 1.0 - gainOf(-balance);
    return 0.0;
}

// Hands every audio decoder inside `bin` (at any depth) pieces of kSilentOutputPiece.
void enlargeDecoderOutput(GstBin* bin)
{
    GstIterator* it = gst_bin_iterate_recurse(bin);
    GValue item = G_VALUE_INIT;
    bool done = false;
    while (!done) {
        switch (gst_iterator_next(it, &item)) {
        case GST_ITERATOR_OK:
            if (auto* element = GST_ELEMENT(g_value_get_object(&item));
                GST_IS_AUDIO_DECODER(element))
                g_object_set(element, "min-latency", kSilentOutputPiece, nullptr);
            g_value_reset(&item);
            break;
        case GST_ITERATOR_RESYNC:
            gst_iterator_resync(it);
            break;
        default:
            done = true;
            break;
        }
    }
    g_value_unset(&item);
    gst_iterator_free(it);
}

// Elements are set up as they are added to the playbin (from its streaming threads). The sink
// autoaudiosink picks: a fakesink (no sound device) keeps to the clock, a device sink gets a
// short ring buffer. `silent` (the player's flag) says the output is a fakesink; the song's
// decoder may be added before or after the sink, so whichever comes second sets it up (the
// flag is set before the search, and each decoder is in the bin before it is announced).
void onDeepElementAdded(GstBin* playbin, GstBin*, GstElement* element, gpointer silent)
{
    auto* silentOutput = static_cast<std::atomic<bool>*>(silent);
    GstElementFactory* factory = gst_element_get_factory(element);
    const gchar* name =
        factory ? gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)) : nullptr;
    if (name && g_strcmp0(name, "fakesink") == 0) {
        g_object_set(element, "sync", TRUE, nullptr);
        silentOutput->store(true);
        enlargeDecoderOutput(playbin);
        return;
    }
    if (GST_IS_AUDIO_BASE_SINK(element)) {
        silentOutput->store(false);
        g_object_set(element, "buffer-time", kDeviceBufferTime, "latency-time", kDeviceLatencyTime,
                     nullptr);
        return;
    }
    if (GST_IS_AUDIO_DECODER(element) && silentOutput->load())
        g_object_set(element, "min-latency", kSilentOutputPiece, nullptr);
}

GQuark seekCountQuark()
{
    static const GQuark quark = g_quark_from_static_string("vireo-seek-count");
    return quark;
}

// The text of an error message, for the log.
QString errorText(GstMessage* message)
{
    GError* error = nullptr;
    gchar* debug = nullptr;
    gst_message_parse_error(message, &error, &debug);
    QString text = error ? QString::fromUtf8(error->message) : QString();
    if (debug)
        text += QStringLiteral(" (") + QString::fromUtf8(debug) + QLatin1Char(')');
    if (error)
        g_error_free(error);
    g_free(debug);
    return text;
}

QList<double> doublesOf(const GValue* value)
{
    QList<double> out;
    if (!value)
        return out;
    if (GST_VALUE_HOLDS_ARRAY(value)) {
        for (guint i = 0; i < gst_value_array_get_size(value); ++i)
            out.append(g_value_get_double(gst_value_array_get_value(value, i)));
        return out;
    }
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    if (G_VALUE_HOLDS(value, g_value_array_get_type())) {
        auto* array = static_cast<GValueArray*>(g_value_get_boxed(value));
        for (guint i = 0; array && i < array->n_values; ++i)
            out.append(g_value_get_double(g_value_array_get_nth(array, i)));
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
    return out;
}

} // namespace

struct GstMediaPlayer::Impl {
    GstElement* playbin = nullptr;
    GstElement* panorama = nullptr;
    GstElement* volume = nullptr;
    GstElement* level = nullptr;
    GstBus* bus = nullptr;
    // The bus's messages, moved here by the sync handler before it asks for a drain: a message
    // the bus itself queued after the handler returned could be missed by a drain that ran in
    // between, and an end of stream missed that way is never seen.
    std::mutex pendingLock;
    QList<GstMessage*> pending;
    bool drainQueued = false;
    // Counts the flushing seeks. The sync handler stamps each end-of-stream message with the
    // count at the time it was posted, so an end that a later seek overtook is known as stale.
    std::atomic<guint> seeks{0};
    // The output is a fakesink: there is no sound device (set from the streaming threads).
    std::atomic<bool> silentOutput{false};

    QString path;        // the open file
    bool open = false;   // a file is open (prerolled)
    bool named = false;  // FileName has been written: a file that did not open reads as ended
    bool failed = false; // it broke while playing: Play opens it again
    bool atEnd = false;  // it has played to its end: position and duration are endValue
    double endValue = 0;
    mutable double duration = -1;     // cached, -1 while unknown
    std::optional<double> seekTarget; // reported as the position until the seek is done
    QList<Level> levels;

    // CurrentPosition must not reach Duration before the end has been seen.
    double beforeEnd(double position) const
    {
        position = std::max(position, 0.0);
        if (duration >= 0 && position >= duration)
            return std::nextafter(duration, 0.0);
        return position;
    }
};

bool GstMediaPlayer::initialize(int* argc, char*** argv)
{
    static std::once_flag once;
    static bool available = false;
    std::call_once(once, [&] {
        GError* error = nullptr;
        available = gst_init_check(argc, argv, &error);
        if (error)
            g_error_free(error);
        if (!available)
            return;
        GstElementFactory* playbin = gst_element_factory_find("playbin");
        available = playbin != nullptr;
        if (playbin)
            gst_object_unref(playbin);
    });
    return available;
}

GstMediaPlayer::GstMediaPlayer(QObject* parent) : GstMediaPlayer(Options{}, parent) {}

GstMediaPlayer::GstMediaPlayer(const Options& options, QObject* parent)
    : MediaPlayer(parent), d(std::make_unique<Impl>())
{
    if (!initialize())
        return;

    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    GstElement* convertIn = gst_element_factory_make("audioconvert", nullptr);
    GstElement* stereo = gst_element_factory_make("capsfilter", nullptr);
    GstElement* panorama = gst_element_factory_make("audiopanorama", nullptr);
    GstElement* volume = gst_element_factory_make("volume", nullptr);
    GstElement* level =
        options.levelIntervalMs > 0 ? gst_element_factory_make("level", nullptr) : nullptr;
    GstElement* convertOut = gst_element_factory_make("audioconvert", nullptr);
    GstElement* resample = gst_element_factory_make("audioresample", nullptr);
    GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr);
    GstElement* parts[] = {convertIn, stereo, panorama, volume, convertOut, resample, sink};
    const bool complete = playbin && std::all_of(std::begin(parts), std::end(parts),
                                                 [](GstElement* e) { return e != nullptr; });
    if (!complete) {
        for (GstElement* e : parts)
            if (e)
                gst_object_unref(e);
        if (level)
            gst_object_unref(level);
        if (playbin)
            gst_object_unref(playbin);
        return;
    }

    // Float stereo before the balance, so each channel's gain is exact and a mono file is
    // heard on both sides at full level.
    GstCaps* caps =
        gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, GST_AUDIO_NE(F32), "channels",
                            G_TYPE_INT, 2, "layout", G_TYPE_STRING, "interleaved", nullptr);
    g_object_set(stereo, "caps", caps, nullptr);
    gst_caps_unref(caps);
    gst_util_set_object_arg(G_OBJECT(panorama), "method", "simple");

    GstElement* bin = gst_bin_new("vireo-audio-sink");
    gst_bin_add_many(GST_BIN(bin), convertIn, stereo, panorama, volume, convertOut, resample, sink,
                     nullptr);
    bool linked = gst_element_link_many(convertIn, stereo, panorama, volume, nullptr);
    if (level) {
        g_object_set(level, "interval", static_cast<guint64>(options.levelIntervalMs) * GST_MSECOND,
                     "post-messages", TRUE, nullptr);
        gst_bin_add(GST_BIN(bin), level);
        linked = linked && gst_element_link_many(volume, level, convertOut, nullptr);
    } else {
        linked = linked && gst_element_link(volume, convertOut);
    }
    linked = linked && gst_element_link_many(convertOut, resample, sink, nullptr);
    GstPad* target = gst_element_get_static_pad(convertIn, "sink");
    gst_element_add_pad(bin, gst_ghost_pad_new("sink", target));
    gst_object_unref(target);
    if (!linked) {
        gst_object_unref(bin);
        gst_object_unref(playbin);
        return;
    }

    g_object_set(playbin, "flags", kPlayFlagAudio, "audio-sink", bin, nullptr);
    g_signal_connect(playbin, "deep-element-added", G_CALLBACK(onDeepElementAdded),
                     &d->silentOutput);

    d->playbin = playbin;
    d->panorama = panorama;
    d->volume = volume;
    d->level = level;
    d->bus = gst_element_get_bus(playbin);
    // Messages come from GStreamer's threads; only a drain is queued to ours, which pops them.
    // A sync handler that answers GST_BUS_DROP owns the message it was given: the bus does not
    // unref it. The handler keeps that reference in `pending` and handle() or discardPending()
    // drops it; a message left referenced keeps its source (the playbin, the song's decoder
    // chain) alive for good.
    gst_bus_set_sync_handler(
        d->bus,
        [](GstBus*, GstMessage* message, gpointer data) -> GstBusSyncReply {
            auto* self = static_cast<GstMediaPlayer*>(data);
            if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS)
                gst_mini_object_set_qdata(GST_MINI_OBJECT_CAST(message), seekCountQuark(),
                                          GUINT_TO_POINTER(self->d->seeks.load() + 1), nullptr);
            bool queueDrain = false;
            {
                const std::lock_guard lock(self->d->pendingLock);
                self->d->pending.append(message);
                queueDrain = !std::exchange(self->d->drainQueued, true);
            }
            if (queueDrain)
                QMetaObject::invokeMethod(
                    self, [self] { self->drainBus(); }, Qt::QueuedConnection);
            return GST_BUS_DROP;
        },
        this, nullptr);
}

GstMediaPlayer::~GstMediaPlayer()
{
    if (!d->playbin)
        return;
    // NULL joins the streaming threads, so nothing posts to the bus after this.
    gst_element_set_state(d->playbin, GST_STATE_NULL);
    gst_bus_set_sync_handler(d->bus, nullptr, nullptr, nullptr);
    discardPending();
    gst_object_unref(d->bus);
    gst_object_unref(d->playbin);
}

QList<GstMessage*> GstMediaPlayer::takePending()
{
    const std::lock_guard lock(d->pendingLock);
    d->drainQueued = false;
    return std::exchange(d->pending, {});
}

void GstMediaPlayer::discardPending()
{
    for (GstMessage* message : takePending())
        gst_message_unref(message);
}

void GstMediaPlayer::drainBus()
{
    if (!d->bus)
        return;
    // Handling a message can post more (an error sets the state): they are taken in turn.
    for (QList<GstMessage*> batch = takePending(); !batch.isEmpty(); batch = takePending()) {
        for (GstMessage* message : batch)
            handle(message);
    }
}

void GstMediaPlayer::handle(GstMessage* message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS: {
        const guint stamp = GPOINTER_TO_UINT(
            gst_mini_object_get_qdata(GST_MINI_OBJECT_CAST(message), seekCountQuark()));
        if (!d->open || d->atEnd || stamp != d->seeks.load() + 1)
            break;
        gint64 ns = 0;
        const double position =
            gst_element_query_position(d->playbin, GST_FORMAT_TIME, &ns) ? toSeconds(ns) : 0;
        d->duration = -1; // the parser knows the exact length by now
        const double duration = Duration();
        d->atEnd = true;
        d->endValue = duration >= 0 ? duration : std::max(position, 0.0);
        d->seekTarget.reset();
        break;
    }
    case GST_MESSAGE_ERROR:
        // A file that breaks while playing counts as played to where it broke: the
        // continuation then goes on to the next song.
        if (d->open && !d->atEnd) {
            qCWarning(lcMedia) << d->path << "broke while playing:" << errorText(message);
            const double duration = Duration();
            const double position = CurrentPosition();
            d->atEnd = true;
            d->failed = true;
            d->endValue = duration >= 0 ? duration : position;
            gst_element_set_state(d->playbin, GST_STATE_NULL);
        }
        break;
    case GST_MESSAGE_DURATION_CHANGED:
        if (!d->atEnd)
            d->duration = -1;
        break;
    case GST_MESSAGE_ASYNC_DONE:
        d->seekTarget.reset();
        break;
    case GST_MESSAGE_ELEMENT:
        if (d->level && GST_MESSAGE_SRC(message) == GST_OBJECT(d->level)) {
            const GstStructure* s = gst_message_get_structure(message);
            Level level;
            guint64 streamTime = 0, duration = 0;
            if (gst_structure_get_uint64(s, "stream-time", &streamTime))
                level.streamTime = toSeconds(static_cast<gint64>(streamTime));
            if (gst_structure_get_uint64(s, "duration", &duration))
                level.duration = toSeconds(static_cast<gint64>(duration));
            level.rmsDb = doublesOf(gst_structure_get_value(s, "rms"));
            d->levels.append(level);
        }
        break;
    default:
        break;
    }
    gst_message_unref(message);
}

bool GstMediaPlayer::setFileName(const QString& path)
{
    if (!d->playbin)
        return false; // no GStreamer: as no component at all, nothing is ever named
    gst_element_set_state(d->playbin, GST_STATE_NULL);
    discardPending(); // the old file's
    d->named = true;
    d->path.clear();
    d->open = d->failed = d->atEnd = false;
    d->duration = -1;
    d->seekTarget.reset();
    d->levels.clear();

    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable()) {
        qCWarning(lcMedia) << "cannot open" << path << "missing, unreadable or not a regular file";
        return false;
    }
    gchar* uri =
        gst_filename_to_uri(QFile::encodeName(info.absoluteFilePath()).constData(), nullptr);
    if (!uri) {
        qCWarning(lcMedia) << "cannot open" << path << "no address for it";
        return false;
    }
    g_object_set(d->playbin, "uri", uri, nullptr);
    g_free(uri);

    GstStateChangeReturn result = gst_element_set_state(d->playbin, GST_STATE_PAUSED);
    if (result != GST_STATE_CHANGE_FAILURE)
        result = gst_element_get_state(d->playbin, nullptr, nullptr, kOpenTimeout);
    gint audioStreams = 0;
    g_object_get(d->playbin, "n-audio", &audioStreams, nullptr);
    const bool prerolled =
        result == GST_STATE_CHANGE_SUCCESS || result == GST_STATE_CHANGE_NO_PREROLL;
    if (result == GST_STATE_CHANGE_FAILURE || (prerolled && audioStreams == 0)) {
        gst_element_set_state(d->playbin, GST_STATE_NULL);
        QString why = QStringLiteral("no sound in it");
        for (GstMessage* message : takePending()) {
            if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR &&
                result == GST_STATE_CHANGE_FAILURE)
                why = errorText(message);
            gst_message_unref(message);
        }
        qCWarning(lcMedia) << "cannot open" << path << why;
        return false;
    }
    // Still opening after the timeout (a slow disk): open, with the length unknown for now.
    if (!prerolled)
        qCInfo(lcMedia) << "still opening" << path << "after" << kOpenTimeout / GST_MSECOND << "ms";
    d->path = path;
    d->open = true;
    return true;
}

bool GstMediaPlayer::Play()
{
    if (!d->open)
        return false;
    drainBus();
    if (d->failed) {
        const QString path = d->path;
        if (!setFileName(path))
            return false;
    }
    if (d->atEnd) {
        d->atEnd = false;
        d->duration = -1;
        seekTo(0);
        d->seekTarget = 0.0;
    }
    return gst_element_set_state(d->playbin, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
}

bool GstMediaPlayer::Pause()
{
    if (!d->open || d->failed)
        return false;
    return gst_element_set_state(d->playbin, GST_STATE_PAUSED) != GST_STATE_CHANGE_FAILURE;
}

bool GstMediaPlayer::Stop()
{
    if (!d->open || d->failed)
        return false;
    drainBus();
    if (gst_element_set_state(d->playbin, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        return false;
    if (d->atEnd) {
        d->atEnd = false;
        d->duration = -1;
    }
    seekTo(0);
    d->seekTarget = 0.0;
    return true;
}

bool GstMediaPlayer::seekTo(double seconds)
{
    ++d->seeks;
    return gst_element_seek_simple(d->playbin, GST_FORMAT_TIME,
                                   GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                   toNanoseconds(seconds));
}

double GstMediaPlayer::Duration() const
{
    if (!d->open)
        return d->named ? 0 : -1;
    if (d->atEnd)
        return d->endValue;
    gint64 ns = 0;
    if (d->duration < 0 && gst_element_query_duration(d->playbin, GST_FORMAT_TIME, &ns) && ns >= 0)
        d->duration = toSeconds(ns);
    return d->duration;
}

double GstMediaPlayer::CurrentPosition() const
{
    if (!d->open)
        return 0;
    if (d->atEnd)
        return d->endValue;
    Duration(); // refreshes the cached length that beforeEnd() keeps the position under
    if (d->seekTarget)
        return d->beforeEnd(*d->seekTarget);
    gint64 ns = 0;
    if (!gst_element_query_position(d->playbin, GST_FORMAT_TIME, &ns))
        return 0;
    const double position = toSeconds(ns);
    // Playing past the cached length before the end means it was an estimate (an MP3 without a
    // Xing header) that the parser has improved since, possibly without a duration message after
    // our last read: ask again rather than hold the position under the old figure.
    if (d->duration >= 0 && position >= d->duration) {
        d->duration = -1;
        Duration();
    }
    return d->beforeEnd(position);
}

bool GstMediaPlayer::setCurrentPosition(double seconds)
{
    if (!d->open || d->failed || std::isnan(seconds))
        return false;
    drainBus();
    const double duration = Duration();
    seconds = std::max(seconds, 0.0);
    if (duration >= 0)
        seconds = std::min(seconds, duration);
    if (!seekTo(seconds))
        return false;
    if (d->atEnd) {
        d->atEnd = false;
        d->duration = -1;
    }
    d->seekTarget = seconds;
    return true;
}

bool GstMediaPlayer::setVolume(int hundredthsOfDecibel)
{
    if (!d->volume)
        return false;
    const int volume = std::clamp(hundredthsOfDecibel, -10000, 0);
    g_object_set(d->volume, "volume", gainOf(volume), nullptr);
    return true;
}

bool GstMediaPlayer::setBalance(int hundredthsOfDecibel)
{
    if (!d->panorama)
        return false;
    const int balance = std::clamp(hundredthsOfDecibel, -10000, 10000);
    g_object_set(d->panorama, "panorama", static_cast<gfloat>(panoramaFor(balance)), nullptr);
    return true;
}

bool GstMediaPlayer::Mute() const
{
    if (!d->volume)
        return false;
    gboolean mute = FALSE;
    g_object_get(d->volume, "mute", &mute, nullptr);
    return mute;
}

bool GstMediaPlayer::setMute(bool mute)
{
    if (!d->volume)
        return false;
    g_object_set(d->volume, "mute", mute ? TRUE : FALSE, nullptr);
    return true;
}

QList<GstMediaPlayer::Level> GstMediaPlayer::takeLevels()
{
    drainBus();
    return std::exchange(d->levels, {});
}

namespace {

struct Gains {
    double left = 0, right = 0;
};

Gains gainsOf(GstElement* panorama, GstElement* volume)
{
    if (!panorama || !volume)
        return {};
    gfloat pan = 0;
    gdouble level = 1;
    gboolean mute = FALSE;
    g_object_get(panorama, "panorama", &pan, nullptr);
    g_object_get(volume, "volume", &level, "mute", &mute, nullptr);
    if (mute)
        return {};
    return {level * (pan > 0 ? 1.0 - pan : 1.0), level * (pan < 0 ? 1.0 + pan : 1.0)};
}

} // namespace

double GstMediaPlayer::leftGain() const
{
    return gainsOf(d->panorama, d->volume).left;
}

double GstMediaPlayer::rightGain() const
{
    return gainsOf(d->panorama, d->volume).right;
}

GstElement* GstMediaPlayer::pipeline() const
{
    return d->playbin;
}

} // namespace vireo
