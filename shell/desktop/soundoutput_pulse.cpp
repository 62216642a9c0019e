// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/soundoutput.h"

#include <pulse/pulseaudio.h>

#include <dlfcn.h>

#include <optional>
#include <thread>

namespace kalyxteron {

namespace {

// The package depends on it (libpulse0). Opened at the first utterance: linking it would map
// it and the codecs it pulls in at every start of the program.
constexpr const char *kLibrary = "libpulse.so.0";
constexpr const char *kApplicationName = "Kalyxteron";
constexpr const char *kApplicationId = "org.kalyxteron.Kalyxteron";
constexpr const char *kStreamName = "Speech";
constexpr const char *kMediaRole = "a11y";
// What the server holds ahead of what is heard: enough for a busy machine, short enough that
// the first sound comes soon after the first samples.
constexpr std::chrono::milliseconds kQueued{80};
constexpr std::chrono::seconds kLongestConnect{2};
// A server that takes no more samples for this long is taken as gone.
constexpr std::chrono::seconds kLongestStall{1};
constexpr std::chrono::seconds kLongestDrain{2};
constexpr int kMillisecondsPerSecond = 1000;
constexpr std::uint32_t kServerDefault = std::uint32_t(-1);

template <typename Function>
bool bind(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// The parts of libpulse the voice uses: its threaded main loop, a context and a playback stream.
struct Pulse {
    decltype(&pa_threaded_mainloop_new) mainloopNew = nullptr;
    decltype(&pa_threaded_mainloop_free) mainloopFree = nullptr;
    decltype(&pa_threaded_mainloop_start) mainloopStart = nullptr;
    decltype(&pa_threaded_mainloop_stop) mainloopStop = nullptr;
    decltype(&pa_threaded_mainloop_lock) lock = nullptr;
    decltype(&pa_threaded_mainloop_unlock) unlock = nullptr;
    decltype(&pa_threaded_mainloop_get_api) mainloopApi = nullptr;
    decltype(&pa_proplist_new) proplistNew = nullptr;
    decltype(&pa_proplist_sets) proplistSets = nullptr;
    decltype(&pa_proplist_free) proplistFree = nullptr;
    decltype(&pa_context_new_with_proplist) contextNew = nullptr;
    decltype(&pa_context_connect) contextConnect = nullptr;
    decltype(&pa_context_get_state) contextState = nullptr;
    decltype(&pa_context_disconnect) contextDisconnect = nullptr;
    decltype(&pa_context_unref) contextUnref = nullptr;
    decltype(&pa_stream_new) streamNew = nullptr;
    decltype(&pa_stream_connect_playback) streamConnect = nullptr;
    decltype(&pa_stream_get_state) streamState = nullptr;
    decltype(&pa_stream_writable_size) writableSize = nullptr;
    decltype(&pa_stream_write) write = nullptr;
    decltype(&pa_stream_flush) flush = nullptr;
    decltype(&pa_stream_drain) drain = nullptr;
    decltype(&pa_stream_cork) cork = nullptr;
    decltype(&pa_stream_disconnect) streamDisconnect = nullptr;
    decltype(&pa_stream_unref) streamUnref = nullptr;
    decltype(&pa_operation_get_state) operationState = nullptr;
    decltype(&pa_operation_unref) operationUnref = nullptr;
};

std::optional<Pulse> loadPulse()
{
    void *library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    Pulse p;
    const bool bound =
        bind(library, "pa_threaded_mainloop_new", p.mainloopNew) &&
        bind(library, "pa_threaded_mainloop_free", p.mainloopFree) &&
        bind(library, "pa_threaded_mainloop_start", p.mainloopStart) &&
        bind(library, "pa_threaded_mainloop_stop", p.mainloopStop) &&
        bind(library, "pa_threaded_mainloop_lock", p.lock) && bind(library, "pa_threaded_mainloop_unlock", p.unlock) &&
        bind(library, "pa_threaded_mainloop_get_api", p.mainloopApi) &&
        bind(library, "pa_proplist_new", p.proplistNew) && bind(library, "pa_proplist_sets", p.proplistSets) &&
        bind(library, "pa_proplist_free", p.proplistFree) &&
        bind(library, "pa_context_new_with_proplist", p.contextNew) &&
        bind(library, "pa_context_connect", p.contextConnect) &&
        bind(library, "pa_context_get_state", p.contextState) &&
        bind(library, "pa_context_disconnect", p.contextDisconnect) &&
        bind(library, "pa_context_unref", p.contextUnref) && bind(library, "pa_stream_new", p.streamNew) &&
        bind(library, "pa_stream_connect_playback", p.streamConnect) &&
        bind(library, "pa_stream_get_state", p.streamState) &&
        bind(library, "pa_stream_writable_size", p.writableSize) && bind(library, "pa_stream_write", p.write) &&
        bind(library, "pa_stream_flush", p.flush) && bind(library, "pa_stream_drain", p.drain) &&
        bind(library, "pa_stream_cork", p.cork) && bind(library, "pa_stream_disconnect", p.streamDisconnect) &&
        bind(library, "pa_stream_unref", p.streamUnref) && bind(library, "pa_operation_get_state", p.operationState) &&
        bind(library, "pa_operation_unref", p.operationUnref);
    if (!bound) {
        dlclose(library);
        return std::nullopt;
    }
    return p;
}

} // namespace

// A connection to the sound server and one playback stream on it, kept from one utterance to
// the next (corked in between, so that the server can let the sound card sleep).
struct SoundOutput::Device {
    int rate = 0;
    bool loaded = false;
    std::optional<Pulse> pulse;
    pa_threaded_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;

    // With the loop locked: waits, unlocking it in between, until `done` or `limit` passes.
    template <typename Done>
    bool waitFor(Done done, std::chrono::milliseconds limit)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            pulse->unlock(loop);
            std::this_thread::sleep_for(kSoundPoll);
            pulse->lock(loop);
        }
        return true;
    }

    void run(pa_operation *operation)
    {
        if (operation)
            pulse->operationUnref(operation);
    }

    bool streamReady() const
    {
        return stream && pulse->contextState(context) == PA_CONTEXT_READY &&
               pulse->streamState(stream) == PA_STREAM_READY;
    }

    bool connect()
    {
        loop = pulse->mainloopNew();
        if (!loop || pulse->mainloopStart(loop) < 0)
            return false;
        pulse->lock(loop);
        pa_proplist *properties = pulse->proplistNew();
        pulse->proplistSets(properties, PA_PROP_APPLICATION_NAME, kApplicationName);
        pulse->proplistSets(properties, PA_PROP_APPLICATION_ID, kApplicationId);
        pulse->proplistSets(properties, PA_PROP_MEDIA_ROLE, kMediaRole);
        context = pulse->contextNew(pulse->mainloopApi(loop), kApplicationName, properties);
        pulse->proplistFree(properties);
        // No server of its own started for the program: with none running it stays silent.
        bool ready = context && pulse->contextConnect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
                     waitFor(
                         [this] {
                             return !PA_CONTEXT_IS_GOOD(pulse->contextState(context)) ||
                                    pulse->contextState(context) == PA_CONTEXT_READY;
                         },
                         kLongestConnect) &&
                     pulse->contextState(context) == PA_CONTEXT_READY;
        if (ready) {
            const pa_sample_spec samples{.format = PA_SAMPLE_S16NE, .rate = std::uint32_t(rate), .channels = 1};
            const auto queuedBytes =
                std::uint32_t(rate * int(sizeof(short)) * kQueued.count() / kMillisecondsPerSecond);
            const pa_buffer_attr buffer{.maxlength = kServerDefault,
                                        .tlength = queuedBytes,
                                        .prebuf = kServerDefault,
                                        .minreq = kServerDefault,
                                        .fragsize = kServerDefault};
            stream = pulse->streamNew(context, kStreamName, &samples, nullptr);
            ready = stream &&
                    pulse->streamConnect(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) >= 0 &&
                    waitFor(
                        [this] {
                            return !PA_STREAM_IS_GOOD(pulse->streamState(stream)) ||
                                   pulse->streamState(stream) == PA_STREAM_READY;
                        },
                        kLongestConnect) &&
                    streamReady();
        }
        pulse->unlock(loop);
        return ready;
    }

    void disconnect()
    {
        if (!loop)
            return;
        pulse->lock(loop);
        if (stream) {
            pulse->streamDisconnect(stream);
            pulse->streamUnref(stream);
            stream = nullptr;
        }
        if (context) {
            pulse->contextDisconnect(context);
            pulse->contextUnref(context);
            context = nullptr;
        }
        pulse->unlock(loop);
        pulse->mainloopStop(loop);
        pulse->mainloopFree(loop);
        loop = nullptr;
    }
};

SoundOutput::SoundOutput(int sampleRate) : m_device(std::make_unique<Device>())
{
    m_device->rate = sampleRate;
}

SoundOutput::~SoundOutput()
{
    if (m_device->pulse)
        m_device->disconnect();
}

bool SoundOutput::begin()
{
    Device &d = *m_device;
    if (!d.loaded) {
        d.loaded = true;
        d.pulse = loadPulse();
    }
    if (!d.pulse)
        return false;
    if (d.loop) {
        d.pulse->lock(d.loop);
        const bool ready = d.streamReady();
        d.pulse->unlock(d.loop);
        if (!ready)
            d.disconnect(); // the server went away since: connect afresh
    }
    if (!d.loop && !d.connect()) {
        d.disconnect();
        return false;
    }
    d.pulse->lock(d.loop);
    d.run(d.pulse->flush(d.stream, nullptr, nullptr));
    d.run(d.pulse->cork(d.stream, 0, nullptr, nullptr));
    d.pulse->unlock(d.loop);
    return true;
}

bool SoundOutput::play(const short *samples, int count)
{
    Device &d = *m_device;
    const auto *bytes = reinterpret_cast<const char *>(samples);
    std::size_t left = std::size_t(count) * sizeof(short);
    d.pulse->lock(d.loop);
    bool ok = true;
    while (ok && left > 0) {
        const auto writable = [&d] { return d.streamReady() ? d.pulse->writableSize(d.stream) : std::size_t(-1); };
        ok = d.waitFor([&writable] { return writable() != 0; }, kLongestStall) && writable() != std::size_t(-1);
        if (!ok)
            break;
        const std::size_t piece = std::min(left, writable());
        ok = d.pulse->write(d.stream, bytes, piece, nullptr, 0, PA_SEEK_RELATIVE) >= 0;
        bytes += piece;
        left -= piece;
    }
    d.pulse->unlock(d.loop);
    if (!ok)
        d.disconnect();
    return ok;
}

void SoundOutput::finish(const std::function<bool()> &cut)
{
    Device &d = *m_device;
    if (!d.loop)
        return;
    d.pulse->lock(d.loop);
    if (d.streamReady()) {
        pa_operation *drained = d.pulse->drain(d.stream, nullptr, nullptr);
        bool heard = false;
        if (drained) {
            d.waitFor([&] { return cut() || d.pulse->operationState(drained) != PA_OPERATION_RUNNING; }, kLongestDrain);
            heard = d.pulse->operationState(drained) == PA_OPERATION_DONE;
            d.pulse->operationUnref(drained);
        }
        if (!heard && d.streamReady())
            d.run(d.pulse->flush(d.stream, nullptr, nullptr));
        if (d.streamReady())
            d.run(d.pulse->cork(d.stream, 1, nullptr, nullptr));
    }
    d.pulse->unlock(d.loop);
}

void SoundOutput::cut()
{
    Device &d = *m_device;
    if (!d.loop)
        return;
    d.pulse->lock(d.loop);
    if (d.streamReady()) {
        d.run(d.pulse->flush(d.stream, nullptr, nullptr));
        d.run(d.pulse->cork(d.stream, 1, nullptr, nullptr));
    }
    d.pulse->unlock(d.loop);
}

} // namespace kalyxteron
