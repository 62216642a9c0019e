// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace kalyxteron {

// The program's Greek voice: espeak-ng's, the same on every system, synthesising on a thread
// of its own and playing through the system's sound (soundoutput.h). Nothing of it is loaded
// before the first utterance; no screen ever waits for it. With no sound to be had, or no
// voice, it says nothing; where a screen reader is running it says nothing either. One per
// process (the desktop platform's): espeak-ng keeps its state in the process.
class Speech {
public:
    Speech();
    ~Speech(); // cuts what is being said; waits for the thread a moment at most
    Speech(const Speech &) = delete;
    Speech &operator=(const Speech &) = delete;

    /// Says the words (UTF-8), cutting what was being said or waiting to be, once `after` has
    /// passed (a word said with a beep waits for the beep's end); returns at once.
    void say(std::string words, std::chrono::milliseconds after = std::chrono::milliseconds(0));
    /// Stops what is being said, at once.
    void stop();

    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
};

} // namespace kalyxteron
