// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/screenreader.h"

namespace kalyxteron {

bool screenReaderRunning()
{
    return false;
}

} // namespace kalyxteron
