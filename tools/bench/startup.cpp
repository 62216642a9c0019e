// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, measured from outside on a real X server: from the start of the
// process to the MapNotify of its window, for the program and for the floor,
// taking turns; then the CPU each spends once its window is mapped, and its
// peak memory with the window up.
//   startup RUNS PROGRAM PROGRAM_TITLE FLOOR FLOOR_TITLE [HEADING]
// PROGRAM and FLOOR are command lines, split at blanks ("wine kalyxteron.exe" for the Windows
// program under Wine, whose loader becomes the Windows process).
#include "figures.h"
#include "x11session.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <thread>

using namespace kalyxteron::x11;
using namespace kalyxteron::bench;
using std::chrono::duration;
using std::chrono::milliseconds;
using std::chrono::seconds;

namespace {

// The first frame is painted just after the map; what comes after it should be nothing.
constexpr milliseconds kFirstFrameWindow{250};
constexpr milliseconds kIdleWindow{1000};
constexpr seconds kWindowWithin{20};
constexpr seconds kExitWithin{5};
constexpr int kWarmUpRuns = 1;
constexpr double kKiBPerMiB = 1024.0;
constexpr double kStartUpGoal = 1.1; // times the floor
constexpr double kMemoryGoal = 1.2;  // times the floor, at the home screen
constexpr double kIdleGoalMs = 1.0;  // CPU over the idle second: a few wake-ups at most
constexpr int kUsage = 2;

struct Launch {
    double startMs = 0;
    double firstFrameCpuMs = 0;
    double idleCpuMs = 0;
    double peakMiB = 0;
};

struct Series {
    std::vector<double> startMs, firstFrameCpuMs, idleCpuMs, peakMiB;
    void add(const Launch &l)
    {
        startMs.push_back(l.startMs);
        firstFrameCpuMs.push_back(l.firstFrameCpuMs);
        idleCpuMs.push_back(l.idleCpuMs);
        peakMiB.push_back(l.peakMiB);
    }
};

double ms(std::chrono::nanoseconds d)
{
    return duration<double, std::milli>(d).count();
}

std::vector<std::string> words(const std::string &command)
{
    std::vector<std::string> split;
    std::string word;
    for (char c : command) {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            split.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        split.push_back(word);
    return split;
}

Launch measure(Session &session, const std::string &program, const std::string &title)
{
    Clock::time_point started;
    const pid_t pid = launch(words(program), started);
    const auto mapped = session.waitForMapped(title, started + kWindowWithin);
    if (!mapped) {
        terminate(pid);
        throw std::runtime_error(program + ": no window titled \"" + title + "...\" was mapped");
    }
    const auto cpuAtMap = cpuTime(pid);
    std::this_thread::sleep_until(mapped->mappedAt + kFirstFrameWindow);
    const auto cpuAfterFirstFrame = cpuTime(pid);
    std::this_thread::sleep_until(mapped->mappedAt + kFirstFrameWindow + kIdleWindow);
    const auto cpuAfterIdle = cpuTime(pid);
    const long peakKiB = peakMemoryKiB(pid);

    session.askToClose(mapped->window);
    const auto code = waitForExit(pid, Clock::now() + kExitWithin);
    if (!code || *code != 0) {
        if (!code)
            terminate(pid);
        throw std::runtime_error(program + ": did not end with code 0 when its window was closed");
    }
    session.waitForDestroyed(mapped->window, Clock::now() + kExitWithin);

    Launch l;
    l.startMs = duration<double, std::milli>(mapped->mappedAt - started).count();
    l.firstFrameCpuMs = ms(cpuAfterFirstFrame - cpuAtMap);
    l.idleCpuMs = ms(cpuAfterIdle - cpuAfterFirstFrame);
    l.peakMiB = double(peakKiB) / kKiBPerMiB;
    return l;
}

void row(const char *what, const Summary &program, const Summary &floor, const char *number, const std::string &goal)
{
    std::printf("%-38s %-28s %-28s %s\n", what, format(program, number).c_str(), format(floor, number).c_str(),
                goal.c_str());
}

std::string ratioGoal(const Summary &program, const Summary &floor, double goal)
{
    const double ratio = program.median / floor.median;
    char text[96];
    std::snprintf(text, sizeof text, "ratio %.2f (goal <= %.1f) %s", ratio, goal, verdict(ratio <= goal));
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr, "usage: startup RUNS PROGRAM PROGRAM_TITLE FLOOR FLOOR_TITLE [HEADING]\n");
        return kUsage;
    }
    const char *heading = argc == 7 ? argv[6] : "Start-up on a real X server (Xvfb, no window manager)";
    const int runs = std::atoi(argv[1]);
    const std::string program = argv[2], programTitle = argv[3], floor = argv[4], floorTitle = argv[5];
    try {
        Session session;
        for (int i = 0; i < kWarmUpRuns; ++i) {
            measure(session, program, programTitle);
            measure(session, floor, floorTitle);
        }
        Series ours, floors;
        for (int i = 0; i < runs; ++i) {
            // Taking turns, each going first in every other round.
            if (i % 2 == 0) {
                ours.add(measure(session, program, programTitle));
                floors.add(measure(session, floor, floorTitle));
            } else {
                floors.add(measure(session, floor, floorTitle));
                ours.add(measure(session, program, programTitle));
            }
        }

        std::printf("%s, %d runs each, taking turns;\n", heading, runs);
        std::printf("each figure: median [min .. max]\n\n");
        std::printf("%-38s %-28s %-28s %s\n", "", "program", "floor", "");
        const Summary startProgram = summarize(ours.startMs), startFloor = summarize(floors.startMs);
        row("start to window mapped (ms)", startProgram, startFloor, "%.1f",
            ratioGoal(startProgram, startFloor, kStartUpGoal));
        row("CPU, map to +0.25 s: first frame (ms)", summarize(ours.firstFrameCpuMs), summarize(floors.firstFrameCpuMs),
            "%.1f", "");
        const Summary idle = summarize(ours.idleCpuMs);
        char idleGoal[96];
        std::snprintf(idleGoal, sizeof idleGoal, "idle: goal <= %.0f ms %s", kIdleGoalMs,
                      verdict(idle.max <= kIdleGoalMs));
        row("CPU over the next second (ms)", idle, summarize(floors.idleCpuMs), "%.2f", idleGoal);
        const Summary peakProgram = summarize(ours.peakMiB), peakFloor = summarize(floors.peakMiB);
        row("peak memory, VmHWM (MiB)", peakProgram, peakFloor, "%.1f", ratioGoal(peakProgram, peakFloor, kMemoryGoal));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
