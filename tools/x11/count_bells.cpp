// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs a program on the X display in $DISPLAY and counts the bells rung on the
// display while it runs:
//   count_bells PROGRAM [ARGUMENT...]
// Prints "ran N ms, bells: N" and exits with the program's exit code, or 1 if
// the program was still running after a minute or was ended by a signal.
#include "x11session.h"

#include <cstdio>
#include <exception>
#include <thread>

using namespace kalyxteron::x11;

namespace {

constexpr std::chrono::seconds kExitWithin{60};
// The server handles the last requests of a client that has just ended soon after; then every bell
// it rang is in.
constexpr std::chrono::milliseconds kLastRequestsSettle{200};
constexpr int kUsage = 2;

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: count_bells PROGRAM [ARGUMENT...]\n");
        return kUsage;
    }
    try {
        Session session;
        Clock::time_point started;
        const pid_t pid = launch(std::vector<std::string>(argv + 1, argv + argc), started);
        int signal = 0;
        const auto code = waitForExit(pid, started + kExitWithin, &signal);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        if (!code) {
            if (signal != 0) {
                std::printf("FAIL: the program was ended by signal %d\n", signal);
            } else {
                terminate(pid);
                std::printf("FAIL: the program did not end by itself\n");
            }
            return 1;
        }
        std::this_thread::sleep_for(kLastRequestsSettle);
        session.sync();
        std::printf("ran %.0f ms, bells: %d\n", ms, session.bells());
        return *code;
    } catch (const std::exception &error) {
        std::printf("FAIL: %s\n", error.what());
        return 1;
    }
}
