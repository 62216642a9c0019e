// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/chime.h"

#include <windows.h>

namespace kalyxteron {

// MessageBeep asks the system for its default sound and returns at once; the system plays it.
struct Chime::Sounds {};

Chime::Chime() = default;
Chime::~Chime() = default;

void Chime::ring()
{
    MessageBeep(MB_OK);
}

void Chime::finish(std::chrono::milliseconds) {}

} // namespace kalyxteron
