// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/platform.h"

#include "shell/desktop/desktopplatform.h"

namespace kalyxteron {

namespace {
Platform *g_replacement = nullptr;

Platform &desktop()
{
    static DesktopPlatform real;
    return real;
}
} // namespace

Platform &platform()
{
    return g_replacement ? *g_replacement : desktop();
}

void setPlatform(Platform *replacement)
{
    g_replacement = replacement;
}

} // namespace kalyxteron
