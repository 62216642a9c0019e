// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The faces the screens are written in.
namespace kalyxteron {

/// Makes sure the faces the screens draw with are there, before the first font is made. On
/// Linux they are the system's (fonts-dejavu-core, fonts-urw-base35) and nothing is done; the
/// Windows program carries the same faces inside it and adds them to Qt's fonts once.
void provideFaces();

/// The program's plain face, with Greek, at a point size.
QFont plainFont(int pointSize, bool bold = false, bool italic = false);
/// A calligraphic face with Greek: URW's chancery where present, else Monotype Corsiva, else a
/// slanted serif at a smaller size that takes about the same room.
QFont calligraphicFont(int pointSize, bool bold = false);
/// A serif face, for the mascots' stories.
QFont serifFont(int pointSize, bool bold = false, bool italic = false);

} // namespace kalyxteron
