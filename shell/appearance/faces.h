// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kalyxteron {

/// Makes sure the faces the screens draw with are there, before the first font is made. On
/// Linux they are the system's (fonts-dejavu-core, fonts-urw-base35) and nothing is done; the
/// Windows program carries the same faces inside it and adds them to Qt's fonts once.
void provideFaces();


} // namespace kalyxteron
