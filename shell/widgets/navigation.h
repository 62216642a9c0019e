// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/logic/screenid.h"

namespace kalyxteron {

class Screen;

void startUp(); // creates and shows frminfo

/// The hand-over from one screen to another: `from` closes (if it is still open), then `to` is
/// created afresh, its Form_Load runs, and it is shown. Returns once it is shown.
void handOver(Screen *from, ScreenId to);

/// Beep while the screen is still on show, then end the program.
void plainExit();
/// Close the screen first, then beep, then end the program.
void closingExit(Screen *from);

/// The screen on show, or nullptr between screens and after the end.
Screen *currentScreen();

/// Builds a screen from its initial design (without running Form_Load).
Screen *createScreen(ScreenId id);

} // namespace kalyxteron
