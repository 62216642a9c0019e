// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/speech.h"

#include "shell/desktop/screenreader.h"
#include "shell/desktop/soundoutput.h"
#include "shell/desktop/voicelibrary.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

namespace kalyxteron {

namespace {
constexpr const char *kGreekVoice = "el";
// espeak-ng hands over the samples in pieces of this length: a cut is heard within one.
constexpr int kPieceMilliseconds = 20;
// How long the program's end waits for the speech thread to let go of the sound.
constexpr std::chrono::milliseconds kLongestLetGo{200};
} // namespace

// What the program's thread and the speech thread share. Only the latest words wait: asking
// again replaces them, so requests never pile up.
struct Speech::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    std::string words;
    std::chrono::steady_clock::time_point startAt; // when the words may begin
    bool asked = false;
    bool ending = false;
    bool ended = false;
    std::thread thread;
    // Every request and every stop moves it on; an utterance of an older one is cut.
    std::atomic<std::uint64_t> latest{0};
};

namespace {

struct Utterance {
    const Speech::Shared *shared;
    std::uint64_t number;
    SoundOutput *output;
    bool soundGone = false;

    bool cut() const { return shared->latest.load() != number; }
};

// espeak-ng's synchronous mode hands each piece of samples to this, on the speech thread.
int onSamples(short *samples, int count, espeak_EVENT *events)
{
    auto *utterance = static_cast<Utterance *>(events->user_data);
    if (!utterance || utterance->cut())
        return 1; // stops the synthesis
    if (samples && count > 0 && !utterance->output->play(samples, count)) {
        utterance->soundGone = true;
        return 1;
    }
    return 0;
}

// The voice, made at the first utterance on the speech thread.
struct Voice {
    VoiceLibrary library;
    SoundOutput output;

    Voice(VoiceLibrary voiceLibrary, int rate) : library(std::move(voiceLibrary)), output(rate) {}
    ~Voice() { library.terminate(); }
};

std::unique_ptr<Voice> loadVoice()
{
    std::optional<VoiceLibrary> library = loadVoiceLibrary();
    if (!library)
        return nullptr;
    const char *folder = library->dataFolder.empty() ? nullptr : library->dataFolder.c_str();
    const int rate =
        library->initialize(AUDIO_OUTPUT_SYNCHRONOUS, kPieceMilliseconds, folder, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0)
        return nullptr;
    auto voice = std::make_unique<Voice>(std::move(*library), rate);
    if (voice->library.setVoiceByName(kGreekVoice) != EE_OK)
        return nullptr;
    voice->library.setSynthCallback(onSamples);
    return voice;
}

void speak(Voice &voice, const std::string &words, Utterance &utterance)
{
    if (!voice.output.begin())
        return; // no sound to be had: silent
    voice.library.synth(words.c_str(), words.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &utterance);
    if (utterance.soundGone)
        return;
    if (!utterance.cut())
        voice.output.finish([&utterance] { return utterance.cut(); });
    if (utterance.cut())
        voice.output.cut();
}

void run(std::shared_ptr<Speech::Shared> shared)
{
    std::unique_ptr<Voice> voice;
    bool loaded = false;
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->changed.wait(lock, [&shared] { return shared->asked || shared->ending; });
        if (shared->ending)
            break;
        const std::uint64_t number = shared->latest.load();
        // Words that are to wait a moment are cut by anything asked meanwhile.
        if (shared->changed.wait_until(lock, shared->startAt,
                                       [&shared, number] { return shared->latest.load() != number || shared->ending; }))
            continue;
        const std::string words = std::move(shared->words);
        shared->asked = false;
        Utterance utterance{.shared = shared.get(), .number = number, .output = nullptr};
        lock.unlock();
        if (!screenReaderRunning()) {
            if (!loaded) {
                loaded = true;
                voice = loadVoice();
            }
            if (voice) {
                utterance.output = &voice->output;
                speak(*voice, words, utterance);
            }
        }
        lock.lock();
    }
    lock.unlock();
    voice.reset();
    lock.lock();
    shared->ended = true;
    shared->changed.notify_all();
}

} // namespace

Speech::Speech() = default;

Speech::~Speech()
{
    if (!m_shared)
        return;
    Shared &shared = *m_shared;
    bool ended = false;
    {
        std::unique_lock lock(shared.mutex);
        shared.ending = true;
        ++shared.latest;
        shared.changed.notify_all();
        ended = shared.changed.wait_for(lock, kLongestLetGo, [&shared] { return shared.ended; });
    }
    // A sound server that does not answer must not keep the program from ending; the thread
    // holds its own share of what it uses.
    if (ended)
        shared.thread.join();
    else
        shared.thread.detach();
}

void Speech::say(std::string words, std::chrono::milliseconds after)
{
    // The thread is started by the first utterance: starting the program costs nothing.
    if (!m_shared) {
        m_shared = std::make_shared<Shared>();
        m_shared->thread = std::thread(run, m_shared);
    }
    const std::lock_guard lock(m_shared->mutex);
    m_shared->words = std::move(words);
    m_shared->startAt = std::chrono::steady_clock::now() + after;
    m_shared->asked = true;
    ++m_shared->latest;
    m_shared->changed.notify_all();
}

void Speech::stop()
{
    if (!m_shared)
        return;
    const std::lock_guard lock(m_shared->mutex);
    m_shared->asked = false;
    m_shared->words.clear();
    ++m_shared->latest;
    m_shared->changed.notify_all();
}

} // namespace kalyxteron
