// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <espeak-ng/speak_lib.h>

#include <optional>
#include <string>

namespace kalyxteron {

// The parts of espeak-ng the voice uses, and where its Greek data is. Each system finds them
// its own way, chosen by the build: on Linux Debian's library, opened at the first utterance
// so that starting the program maps none of it or of the sound libraries it pulls in
// (voicelibrary_loaded.cpp); on Windows linked into the program, with the Greek data beside
// it (voicelibrary_windows.cpp); elsewhere none (voicelibrary_none.cpp).
struct VoiceLibrary {
    decltype(&espeak_Initialize) initialize = nullptr;
    decltype(&espeak_SetSynthCallback) setSynthCallback = nullptr;
    decltype(&espeak_SetVoiceByName) setVoiceByName = nullptr;
    decltype(&espeak_Synth) synth = nullptr;
    decltype(&espeak_Terminate) terminate = nullptr;
    std::string dataFolder; // empty: the library's own
};

/// Called on the speech thread; empty when the system has no voice to give.
std::optional<VoiceLibrary> loadVoiceLibrary();

} // namespace kalyxteron
