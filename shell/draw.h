#pragma once

namespace kalyxteron {

// The clock reading a draw reseeds the generator from.
enum class Reseed {
    DayFraction,          // whole seconds since midnight / 86400
    SecondsSinceMidnight, // with their fraction
};

/// Reseeds the generator from the clock, then draws one of 0 ... n-1.
int drawFromClock(int n, Reseed reseed);

} // namespace kalyxteron
