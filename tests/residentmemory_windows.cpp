// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "residentmemory.h"

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

namespace kalyxteron::test {

long residentKilobytes()
{
    constexpr long kBytesPerKilobyte = 1024;
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return long(counters.WorkingSetSize / kBytesPerKilobyte);
}

} // namespace kalyxteron::test
