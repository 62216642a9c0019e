// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/voicelibrary.h"

#include <windows.h>

#include <string>

namespace kalyxteron {

namespace {
constexpr DWORD kLongestPath = 32768; // the longest path Windows has

// The program's folder, in UTF-8: the manifest makes UTF-8 the program's code page, so
// espeak-ng opens its files there even when the folder's name has Greek letters.
std::string programFolder()
{
    std::wstring path(kLongestPath, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), kLongestPath);
    path.resize(length);
    path.erase(path.find_last_of(L"\\/") + 1);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, path.data(), int(path.size()), nullptr, 0, nullptr, nullptr);
    std::string folder(std::size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.data(), int(path.size()), folder.data(), bytes, nullptr, nullptr);
    return folder;
}
} // namespace

// espeak-ng is linked into the program; its Greek data travels beside it, in espeak-ng-data.
std::optional<VoiceLibrary> loadVoiceLibrary()
{
    return VoiceLibrary{
        .initialize = &espeak_Initialize,
        .setSynthCallback = &espeak_SetSynthCallback,
        .setVoiceByName = &espeak_SetVoiceByName,
        .synth = &espeak_Synth,
        .terminate = &espeak_Terminate,
        .dataFolder = programFolder(),
    };
}

} // namespace kalyxteron
