// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QIcon;

namespace kalyxteron {

/// Application-wide settings: the names the desktop knows the program by, the icon, Qt's own
/// texts in Greek, and Enter pressing the focused button.
void setUpApplication();

/// The program's icon, shared by every window: PNG sizes drawn at build time, so that
/// opening a window draws no SVG for its icon.
QIcon programIcon();

} // namespace kalyxteron
