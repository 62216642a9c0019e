// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/randomdraw.h"
#include "shell/platform.h"

namespace kalyxteron {

int drawFromClock(Platform &platform, int n, Reseed reseed)
{
    platform.randomize(reseed == Reseed::DayFraction ? platform.dayFraction() : platform.secondsSinceMidnight());
    return drawOf(n, platform.rnd());
}

} // namespace kalyxteron
