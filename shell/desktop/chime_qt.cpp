// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/chime.h"

#include <QApplication>

namespace kalyxteron {

// Systems without a sound of their own for the program get the window system's beep.
struct Chime::Sounds {};

Chime::Chime() = default;
Chime::~Chime() = default;

void Chime::ring()
{
    QApplication::beep();
}

void Chime::finish(std::chrono::milliseconds) {}

} // namespace kalyxteron
