// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/chime.h"

#include "shell/logic/release.h"

#include <QApplication>
#include <QMetaObject>

#include <canberra.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace kalyxteron {

namespace {

// The desktop's bell; a sound theme without a bell of its own for windows falls back to its
// plain "bell" (in the freedesktop theme, a short soft ding of 0.14 s).
constexpr const char *kEventId = "bell-window-system";
// The end of a sound is reported by the server; if that report is lost, stop waiting after this.
constexpr std::chrono::seconds kLongestSound{2};
// How long the program's end waits for the sound thread to let go of the server.
constexpr std::chrono::milliseconds kLongestDisconnect{200};

// What the sound thread and the program's thread share.
struct State {
    std::mutex mutex;
    std::condition_variable changed;
    int asked = 0; // sounds asked for and not yet begun
    bool playing = false;
    bool ending = false;
    bool ended = false;          // the sound thread has returned
    std::uint32_t lastSound = 0; // the number of the latest sound begun
    std::uint32_t lastOver = 0;  // the number of the latest sound the server reported over
    QObject *xBell = nullptr;
};

void soundOver(ca_context *, std::uint32_t id, int, void *userdata)
{
    auto *state = static_cast<State *>(userdata);
    const std::lock_guard lock(state->mutex);
    state->lastOver = id;
    state->changed.notify_all();
}

// A context connected to the sound server, or nullptr when there is none.
ca_context *connect()
{
    ca_context *context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return nullptr;
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, kApplicationName, CA_PROP_APPLICATION_ID, kApplicationId,
                            nullptr);
    if (ca_context_open(context) != CA_SUCCESS) {
        ca_context_destroy(context);
        return nullptr;
    }
    return context;
}

// Plays the sound to its end. The server keeps it after the first time, so later ones
// start without loading it again.
bool play(ca_context *context, State &state)
{
    ca_proplist *properties = nullptr;
    if (ca_proplist_create(&properties) != CA_SUCCESS)
        return false;
    ca_proplist_sets(properties, CA_PROP_EVENT_ID, kEventId);
    ca_proplist_sets(properties, CA_PROP_MEDIA_ROLE, "event");
    ca_proplist_sets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "permanent");
    std::uint32_t id = 0;
    {
        const std::lock_guard lock(state.mutex);
        id = ++state.lastSound;
    }
    const bool started = ca_context_play_full(context, id, properties, soundOver, &state) == CA_SUCCESS;
    ca_proplist_destroy(properties);
    if (started) {
        std::unique_lock lock(state.mutex);
        state.changed.wait_for(lock, kLongestSound, [&state, id] { return state.lastOver == id; });
    }
    return started;
}

void run(std::shared_ptr<State> state)
{
    ca_context *context = nullptr;
    std::unique_lock lock(state->mutex);
    for (;;) {
        state->changed.wait(lock, [&state] { return state->asked > 0 || state->ending; });
        if (state->asked == 0)
            break;
        // Beeps asked for while one plays sound as one.
        state->asked = 0;
        state->playing = true;
        lock.unlock();
        if (!context)
            context = connect();
        const bool played = context && play(context, *state);
        if (!played && context) {
            // The server went away: connect afresh next time.
            ca_context_destroy(context);
            context = nullptr;
        }
        lock.lock();
        if (!played && state->xBell) {
            QMetaObject::invokeMethod(
                state->xBell, [] { QApplication::beep(); }, Qt::QueuedConnection);
        }
        state->playing = false;
        state->changed.notify_all();
    }
    lock.unlock();
    if (context)
        ca_context_destroy(context);
    lock.lock();
    state->ended = true;
    state->changed.notify_all();
}

} // namespace

// The sound thread and what it shares with the program's thread.
struct Chime::Sounds {
    std::shared_ptr<State> state = std::make_shared<State>();
    QObject xBell; // where the sound thread asks for the X bell
    std::thread thread;
};

Chime::Chime() : m_sounds(std::make_unique<Sounds>())
{
    m_sounds->state->xBell = &m_sounds->xBell;
    m_sounds->thread = std::thread(run, m_sounds->state);
}

Chime::~Chime()
{
    State &state = *m_sounds->state;
    bool ended = false;
    {
        std::unique_lock lock(state.mutex);
        state.ending = true;
        state.xBell = nullptr;
        state.changed.notify_all();
        ended = state.changed.wait_for(lock, kLongestDisconnect, [&state] { return state.ended; });
    }
    // A server that does not answer must not keep the program from ending; the thread
    // holds its own share of the state.
    if (ended)
        m_sounds->thread.join();
    else
        m_sounds->thread.detach();
}

void Chime::ring()
{
    State &state = *m_sounds->state;
    const std::lock_guard lock(state.mutex);
    ++state.asked;
    state.changed.notify_all();
}

void Chime::finish(std::chrono::milliseconds limit)
{
    State &state = *m_sounds->state;
    {
        std::unique_lock lock(state.mutex);
        state.changed.wait_for(lock, limit, [&state] { return state.asked == 0 && !state.playing; });
    }
    // The X bell asked for in place of a sound that could not be played.
    QCoreApplication::sendPostedEvents(&m_sounds->xBell, QEvent::MetaCall);
}

} // namespace kalyxteron
