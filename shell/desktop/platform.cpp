// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/platform.h"

#include "shell/desktop/desktopplatform.h"
#include "shell/logic/spokenwords.h"

namespace kalyxteron {

namespace {
Platform *g_replacement = nullptr;

Platform &desktop()
{
    static DesktopPlatform real;
    return real;
}
} // namespace

void Platform::speak(const QString &text)
{
    if (!m_speechOn)
        return;
    QStringView said(text);
    if (said.size() > kLongestSpokenText) {
        // A text far longer than any the screens show (a pasted page) ends at a word.
        said = said.left(kLongestSpokenText);
        if (const qsizetype blank = said.lastIndexOf(u' '); blank > 0)
            said = said.left(blank);
    }
    say(textForSpeech(said));
}

void Platform::stopSpeaking()
{
    silence();
}

void Platform::setSpeechOn(bool on)
{
    m_speechOn = on;
    if (!on)
        silence();
}

Platform &platform()
{
    return g_replacement ? *g_replacement : desktop();
}

void setPlatform(Platform *replacement)
{
    g_replacement = replacement;
}

} // namespace kalyxteron
