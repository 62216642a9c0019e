// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kalyxteron {

/// Whether a screen reader is running now, so that the voice does not speak over it. Asked on
/// the speech thread before each utterance; each system answers its own way, chosen by the
/// build: on Linux the accessibility bus's ScreenReaderEnabled (screenreader_atspi.cpp), on
/// Windows the system's screen-reader flag (screenreader_windows.cpp); elsewhere never
/// (screenreader_none.cpp).
bool screenReaderRunning();

} // namespace kalyxteron
