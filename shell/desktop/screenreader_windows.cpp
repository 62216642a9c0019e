// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/screenreader.h"

#include <windows.h>

namespace kalyxteron {

// Narrator, NVDA and JAWS set the system's flag while they run.
bool screenReaderRunning()
{
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

} // namespace kalyxteron
