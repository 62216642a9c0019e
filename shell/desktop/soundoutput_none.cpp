// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/soundoutput.h"

namespace kalyxteron {

// Systems the program has no sound output for: the voice says nothing.
struct SoundOutput::Device {};

SoundOutput::SoundOutput(int) {}
SoundOutput::~SoundOutput() = default;

bool SoundOutput::begin()
{
    return false;
}

bool SoundOutput::play(const short *, int)
{
    return false;
}

void SoundOutput::finish(const std::function<bool()> &) {}
void SoundOutput::cut() {}

} // namespace kalyxteron
