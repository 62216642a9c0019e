// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/randomdraw.h"
#include "shell/platform.h"

namespace kalyxteron {

int drawFromClock(int n, Reseed reseed)
{
    Platform &p = platform();
    p.randomize(reseed == Reseed::DayFraction ? p.dayFraction() : p.secondsSinceMidnight());
    return drawOf(n, p.rnd());
}

} // namespace kalyxteron
