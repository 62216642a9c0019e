// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Watching a program from outside, on a real X server: when its window is
// mapped, closing it as the window's close control does, the bell, and what
// the process spends (CPU time, peak memory). No Qt here: the watcher must not
// share anything with what it measures.
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace kalyxteron::x11 {

using Clock = std::chrono::steady_clock;

struct MappedWindow {
    xcb_window_t window = 0;
    Clock::time_point mappedAt;
};

// A connection to the display in $DISPLAY that hears of every top-level window
// being mapped and of every bell rung.
class Session {
public:
    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    /// Waits for a top-level window whose title begins with `titlePrefix` to be mapped.
    std::optional<MappedWindow> waitForMapped(const std::string &titlePrefix, Clock::time_point deadline);
    /// Waits for the window to be destroyed, which the server does after the last request of
    /// its owner, so every bell the owner rang has been counted by then.
    bool waitForDestroyed(xcb_window_t window, Clock::time_point deadline);
    /// Sends WM_DELETE_WINDOW, which is what a window manager's close control does.
    void askToClose(xcb_window_t window);
    /// Makes sure every event the server sent so far has been read (and its bells counted).
    void sync();
    /// Bells rung on the display since the session began.
    int bells() const { return m_bells; }
    /// The window's title (_NET_WM_NAME, else WM_NAME), in UTF-8.
    std::string titleOf(xcb_window_t window);

private:
    /// Reads events until `wanted` accepts one (true) or the deadline passes (false), counting bells.
    bool pump(Clock::time_point deadline, const std::function<bool(xcb_generic_event_t *, Clock::time_point)> &wanted);
    xcb_atom_t atom(const char *name);

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    int m_bellEventBase = -1;
    int m_bells = 0;
    xcb_atom_t m_netWmName = 0;
    xcb_atom_t m_utf8String = 0;
    xcb_atom_t m_wmProtocols = 0;
    xcb_atom_t m_wmDeleteWindow = 0;
};

/// Starts a program; the clock reading just before the start is put in `startedAt`.
pid_t launch(const std::vector<std::string> &command, Clock::time_point &startedAt);
/// Waits for the process to end; its exit code, or nullopt if it is still running at the
/// deadline or was ended by a signal (then `signalled` says which).
std::optional<int> waitForExit(pid_t pid, Clock::time_point deadline, int *signalled = nullptr);
/// Ends a process that would not end on its own.
void terminate(pid_t pid);
/// CPU time spent by all the threads of a live process so far.
std::chrono::nanoseconds cpuTime(pid_t pid);
/// The peak resident memory of a live process (VmHWM), in KiB.
long peakMemoryKiB(pid_t pid);

} // namespace kalyxteron::x11
