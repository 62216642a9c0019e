// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Beeps through the real desktop platform, as a right answer does, then ends the
// program as "Έξοδος" does, which lets that beep play to its end:
//   beep_sound
// Writes how long the beep and the end kept the program waiting.
#include "shell/platform.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();
    kalyxteron::platform().beep();
    const qint64 beepNs = timer.nsecsElapsed();
    timer.restart();
    kalyxteron::platform().endProgram();
    std::printf("beep returned after %.2f ms; the end waited %.0f ms for the sound\n", double(beepNs) / 1e6,
                double(timer.nsecsElapsed()) / 1e6);
    return 0;
}
