// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/soundoutput.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <array>
#include <thread>
#include <vector>

namespace kalyxteron {

namespace {
// A few short blocks queued on the device: enough to play on without a gap on a busy machine,
// few enough that the first one is heard soon.
constexpr std::size_t kBlocks = 6;
constexpr int kBlockMilliseconds = 20;
constexpr int kMillisecondsPerSecond = 1000;
constexpr int kBitsPerSample = 16;
// A device that takes no block back for this long is taken as gone.
constexpr std::chrono::seconds kLongestStall{1};
constexpr std::chrono::seconds kLongestDrain{2};
} // namespace

// The system's default wave output device, opened at the first utterance and kept.
struct SoundOutput::Device {
    int rate = 0;
    HWAVEOUT device = nullptr;
    struct Block {
        WAVEHDR header{};
        std::vector<short> samples;
        bool queued = false;
    };
    std::array<Block, kBlocks> blocks;
    std::size_t next = 0; // the block to fill next

    bool done(const Block &block) const { return !block.queued || (block.header.dwFlags & WHDR_DONE); }

    void release(Block &block)
    {
        if (block.queued && done(block)) {
            waveOutUnprepareHeader(device, &block.header, sizeof block.header);
            block.queued = false;
        }
    }

    template <typename Done>
    bool waitFor(Done isDone, std::chrono::milliseconds limit)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!isDone()) {
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(kSoundPoll);
        }
        return true;
    }

    void reset()
    {
        waveOutReset(device); // every queued block comes back done
        for (Block &block : blocks)
            release(block);
    }
};

SoundOutput::SoundOutput(int sampleRate) : m_device(std::make_unique<Device>())
{
    m_device->rate = sampleRate;
}

SoundOutput::~SoundOutput()
{
    Device &d = *m_device;
    if (d.device) {
        d.reset();
        waveOutClose(d.device);
    }
}

bool SoundOutput::begin()
{
    Device &d = *m_device;
    // With no device now, one plugged in later is found at a later utterance.
    if (d.device)
        return true;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = DWORD(d.rate);
    format.wBitsPerSample = kBitsPerSample;
    format.nBlockAlign = sizeof(short);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    if (waveOutOpen(&d.device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
        d.device = nullptr;
    return d.device != nullptr;
}

bool SoundOutput::play(const short *samples, int count)
{
    Device &d = *m_device;
    const std::size_t blockSamples = std::size_t(d.rate * kBlockMilliseconds / kMillisecondsPerSecond);
    while (count > 0) {
        Device::Block &block = d.blocks[d.next];
        if (!d.waitFor([&] { return d.done(block); }, kLongestStall))
            return false;
        d.release(block);
        const auto piece = std::min(std::size_t(count), blockSamples);
        block.samples.assign(samples, samples + piece);
        block.header = WAVEHDR{};
        block.header.lpData = reinterpret_cast<LPSTR>(block.samples.data());
        block.header.dwBufferLength = DWORD(piece * sizeof(short));
        if (waveOutPrepareHeader(d.device, &block.header, sizeof block.header) != MMSYSERR_NOERROR)
            return false;
        block.queued = true;
        if (waveOutWrite(d.device, &block.header, sizeof block.header) != MMSYSERR_NOERROR) {
            d.reset();
            return false;
        }
        d.next = (d.next + 1) % kBlocks;
        samples += piece;
        count -= int(piece);
    }
    return true;
}

void SoundOutput::finish(const std::function<bool()> &cut)
{
    Device &d = *m_device;
    if (!d.device)
        return;
    const auto allDone = [&d] {
        return std::all_of(d.blocks.begin(), d.blocks.end(), [&d](const Device::Block &b) { return d.done(b); });
    };
    d.waitFor([&] { return cut() || allDone(); }, kLongestDrain);
    d.reset();
}

void SoundOutput::cut()
{
    if (m_device->device)
        m_device->reset();
}

} // namespace kalyxteron
