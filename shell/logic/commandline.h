// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <optional>

namespace kalyxteron {

/// The exit code of a command line the program does not understand, as GNU programs use it.
inline constexpr int kExitUsage = 2;

/// The program takes no settings; the command line knows only --help and --version, and they
/// are answered here, before anything asks for a window system, so that they work on a
/// terminal without a display. Writes the help or the version to `out` and returns 0, or writes
/// what is wrong to `err` and returns kExitUsage; returns nothing when the program should start.
std::optional<int> answerCommandLine(int argc, const char *const *argv, std::FILE *out, std::FILE *err);

} // namespace kalyxteron
