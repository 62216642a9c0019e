// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <memory>

namespace kalyxteron {

// The beep as pupils hear it: the system's own sound for an event, never making a screen
// wait. Each system has its own, chosen by the build: on Linux the desktop's bell sound,
// played through the sound server by libcanberra on a thread of its own, with the X bell
// where no sound can be played (chime_linux.cpp); on Windows the default sound
// (chime_windows.cpp); elsewhere Qt's beep (chime_qt.cpp).
class Chime {
public:
    Chime();
    ~Chime();
    Chime(const Chime &) = delete;
    Chime &operator=(const Chime &) = delete;

    /// Asks for the sound and returns at once.
    void ring();
    /// Waits, at most `limit`, until every sound asked for has been played to its end (or
    /// rung in its place). For the last beep before the program ends, which would otherwise
    /// be cut off.
    void finish(std::chrono::milliseconds limit);

    struct Sounds;

private:
    std::unique_ptr<Sounds> m_sounds;
};

} // namespace kalyxteron
