// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kalyxteron {

class Platform;

// The clock reading a draw reseeds the generator from.
enum class Reseed {
    DayFraction,          // whole seconds since midnight / 86400
    SecondsSinceMidnight, // with their fraction
};

/// The integer part of uniform * n: one of 0 ... n-1.
inline int drawOf(int n, double uniform)
{
    const int value = int(uniform * n);
    return value < 0 ? 0 : (value >= n ? n - 1 : value);
}

/// Reseeds the platform's generator from its clock, then draws one of 0 ... n-1.
int drawFromClock(Platform &platform, int n, Reseed reseed);

} // namespace kalyxteron
