// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/appearance/faces.h"

namespace kalyxteron {

// The system's font configuration has the faces: the package depends on them.
void provideFaces() {}

} // namespace kalyxteron
