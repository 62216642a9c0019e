// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Summaries of repeated measurements, printed the same way by every benchmark.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace kalyxteron::bench {

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
    std::size_t runs = 0;
};

inline Summary summarize(std::vector<double> values)
{
    Summary s;
    s.runs = values.size();
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    s.median = values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    s.min = values.front();
    s.max = values.back();
    return s;
}

/// "12.3 [10.1 .. 15.0]"
inline std::string format(const Summary &s, const char *number = "%.1f")
{
    const std::string pattern = std::string(number) + " [" + number + " .. " + number + "]";
    char text[96];
    std::snprintf(text, sizeof text, pattern.c_str(), s.median, s.min, s.max);
    return text;
}

/// A figure's verdict against its goal.
inline const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace kalyxteron::bench
