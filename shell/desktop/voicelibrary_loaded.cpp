// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/voicelibrary.h"

#include <dlfcn.h>

namespace kalyxteron {

namespace {
// The package depends on it (libespeak-ng1, with espeak-ng-data's Greek voice).
constexpr const char *kLibrary = "libespeak-ng.so.1";

template <typename Function>
bool bind(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}
} // namespace

std::optional<VoiceLibrary> loadVoiceLibrary()
{
    void *library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    VoiceLibrary voice;
    if (!bind(library, "espeak_Initialize", voice.initialize) ||
        !bind(library, "espeak_SetSynthCallback", voice.setSynthCallback) ||
        !bind(library, "espeak_SetVoiceByName", voice.setVoiceByName) || !bind(library, "espeak_Synth", voice.synth) ||
        !bind(library, "espeak_Terminate", voice.terminate)) {
        dlclose(library);
        return std::nullopt;
    }
    // Kept open for the rest of the run: the speech thread may still be in it at the end.
    return voice;
}

} // namespace kalyxteron
