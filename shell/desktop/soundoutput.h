// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace kalyxteron {

// The voice's samples (mono, 16-bit) played through the system's sound, from the speech thread
// only. Each system has its own, chosen by the build: on Linux the desktop's sound server
// (PulseAudio, or PipeWire's pulse service), its library opened at the first utterance
// (soundoutput_pulse.cpp); on Windows the wave output device (soundoutput_waveout.cpp);
// elsewhere none (soundoutput_none.cpp). No call waits long for a device or server that does
// not answer: it gives up, and the voice says nothing.
class SoundOutput {
public:
    explicit SoundOutput(int sampleRate);
    ~SoundOutput();
    SoundOutput(const SoundOutput &) = delete;
    SoundOutput &operator=(const SoundOutput &) = delete;

    /// Ready to play an utterance, connecting first if need be; false when there is no sound.
    bool begin();
    /// Queues samples, waiting while the queue is full (a fraction of a second at most);
    /// false when the sound went away.
    bool play(const short *samples, int count);
    /// Waits until what is queued has been heard, or until `cut` says to stop waiting.
    void finish(const std::function<bool()> &cut);
    /// Drops what is queued and not yet heard, at once.
    void cut();

    struct Device;

private:
    std::unique_ptr<Device> m_device;
};

/// How often a wait on the sound looks whether it may stop.
inline constexpr std::chrono::milliseconds kSoundPoll{5};

} // namespace kalyxteron
