// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <memory>
#include <thread>

class QObject;

namespace kalyxteron {

// The beep as pupils hear it: the desktop's bell sound, played through the
// sound server (PulseAudio, or PipeWire's pulse service) by libcanberra.
// Everything that may wait on the server - connecting, loading the sound,
// playing it - happens on a thread of its own, so a screen never waits for a
// beep. Where no sound can be played (no server, a server that refuses) the
// X bell rings instead.
class Chime {
public:
    Chime();
    ~Chime();
    Chime(const Chime &) = delete;
    Chime &operator=(const Chime &) = delete;

    /// Asks for the sound and returns at once.
    void ring();
    /// Waits, at most `limit`, until every sound asked for has been played to its end,
    /// and rings the X bell for any that could not be played. For the last beep before
    /// the program ends, which would otherwise be cut off.
    void finish(std::chrono::milliseconds limit);

    struct State;

private:
    std::shared_ptr<State> m_state;
    QObject *m_xBell;   // where the sound thread asks for the X bell
    std::thread m_thread;
};

} // namespace kalyxteron
