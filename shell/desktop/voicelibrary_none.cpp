// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/voicelibrary.h"

namespace kalyxteron {

// Systems the program has no voice for.
std::optional<VoiceLibrary> loadVoiceLibrary()
{
    return std::nullopt;
}

} // namespace kalyxteron
