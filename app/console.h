// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kalyxteron {

/// Makes standard output and standard error reach the terminal the program was started from,
/// for the answers to --help and --version. On Linux they already do; a Windows program built
/// for the window system has none until it attaches to its parent's console.
void reachTerminal();

} // namespace kalyxteron
