// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kalyxteron::test {

/// The memory this process holds in RAM, in kilobytes: its resident set on Linux, its working
/// set on Windows; -1 where it cannot be read.
long residentKilobytes();

} // namespace kalyxteron::test
