// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program on the X display in $DISPLAY, waits for its window to be
// mapped, closes that window as its close control would, and checks that the
// program then ends by itself with exit code 0, quickly and without a bell:
//   open_and_close [--exact] TITLE_PREFIX PROGRAM [ARGUMENT...]
// With --exact the window's caption must be the whole of TITLE_PREFIX, nothing added.
#include "x11session.h"

#include <cstdio>
#include <exception>

using namespace kalyxteron::x11;
using std::chrono::duration;
using std::chrono::seconds;

namespace {

constexpr seconds kWindowWithin{20}; // generous: a loaded CI machine starting a cold program
constexpr seconds kExitWithin{30};   // a program that hangs on closing, with room for a busy machine
constexpr int kUsage = 2;

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return duration<double, std::milli>(to - from).count();
}

int check(const std::string &title, bool exact, const std::vector<std::string> &command)
{
    Session session;
    Clock::time_point started;
    const pid_t pid = launch(command, started);

    const auto mapped = session.waitForMapped(title, started + kWindowWithin);
    if (!mapped) {
        std::printf("FAIL: no window titled \"%s...\" was mapped within %lld s\n", title.c_str(),
                    static_cast<long long>(kWindowWithin.count()));
        terminate(pid);
        return 1;
    }
    const std::string shown = session.titleOf(mapped->window);
    std::printf("window \"%s\" mapped %.0f ms after the start\n", shown.c_str(),
                millisecondsBetween(started, mapped->mappedAt));
    // The caption is the program's own, with nothing added to it (such as the program's name).
    if (exact && shown != title) {
        std::printf("FAIL: the window's caption is \"%s\", not \"%s\"\n", shown.c_str(), title.c_str());
        terminate(pid);
        return 1;
    }
    const int bellsBefore = session.bells();

    const Clock::time_point closed = Clock::now();
    session.askToClose(mapped->window);
    int signal = 0;
    const auto code = waitForExit(pid, closed + kExitWithin, &signal);
    if (!code) {
        if (signal != 0) {
            std::printf("FAIL: the program was ended by signal %d after its window was closed\n", signal);
        } else {
            std::printf("FAIL: the program was still running %lld s after its window was closed\n",
                        static_cast<long long>(kExitWithin.count()));
            terminate(pid);
        }
        return 1;
    }
    std::printf("exited with code %d, %.0f ms after the window was closed\n", *code,
                millisecondsBetween(closed, Clock::now()));
    // The server destroys a client's windows after its last request: then all its bells are in.
    session.waitForDestroyed(mapped->window, Clock::now() + kExitWithin);
    session.sync();
    const int bells = session.bells() - bellsBefore;
    if (bells != 0)
        std::printf("FAIL: the program rang the bell on closing (%d bells)\n", bells);
    if (*code != 0)
        std::printf("FAIL: exit code %d, not 0\n", *code);
    return *code == 0 && bells == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool exact = argc > 1 && std::string(argv[1]) == "--exact";
    const int first = exact ? 2 : 1;
    if (argc < first + 2) {
        std::fprintf(stderr, "usage: open_and_close [--exact] TITLE_PREFIX PROGRAM [ARGUMENT...]\n");
        return kUsage;
    }
    try {
        return check(argv[first], exact, std::vector<std::string>(argv + first + 1, argv + argc));
    } catch (const std::exception &error) {
        std::printf("FAIL: %s\n", error.what());
        return 1;
    }
}
