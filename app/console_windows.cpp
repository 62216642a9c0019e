// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/console.h"

#include <windows.h>

#include <cstdio>

namespace kalyxteron {

namespace {

bool hasHandle(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void reachTerminal()
{
    // Output sent to a file or a pipe arrives as handles of its own: nothing to do.
    if (hasHandle(STD_OUTPUT_HANDLE) && hasHandle(STD_ERROR_HANDLE))
        return;
    // Started from a console (cmd.exe, PowerShell): write to it. Started from Explorer, there is
    // none, and the answer goes nowhere, as it would for any program without a window.
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    SetConsoleOutputCP(CP_UTF8);
    if (!hasHandle(STD_OUTPUT_HANDLE))
        std::freopen("CONOUT$", "w", stdout);
    if (!hasHandle(STD_ERROR_HANDLE))
        std::freopen("CONOUT$", "w", stderr);
}

} // namespace kalyxteron
