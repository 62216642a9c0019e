// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The voice as a pupil waits for it, through the real desktop platform and a PulseAudio server
// (run inside tools/with-pulseaudio, whose null sink's monitor this records):
//   - from a request to speak to the first sound recorded from the sink's monitor, the first
//     utterance (which loads the voice and connects) apart from the later ones; and from a tap
//     on the home screen's greeting (the mouse's release reaching the screen) likewise;
//   - the memory the voice adds once it has spoken, and after a hundred requests a second;
//   - how long the program's end takes in the middle of a story;
//   - espeak-ng's own synthesis time of a mascot's story, and its start.
//   speech SINK [RUNS]          the voice through the platform
//   speech --synthesis [RUNS]   espeak-ng alone (a process of its own: the library is one per process)
#include "figures.h"

#include "practice/rules/feedbacktables.h"
#include "shell/desktop/desktopplatform.h"
#include "shell/logic/spokenwords.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/screen.h"
#include "tools/pupilhand.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <espeak-ng/speak_lib.h>
#include <pulse/simple.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

using namespace kalyxteron;
using namespace kalyxteron::bench;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kDefaultRuns = 20;
constexpr int kRate = 22050;
constexpr std::uint32_t kFragmentBytes = 2 * kRate / 1000 * 2; // 2 ms of mono 16-bit samples
constexpr std::chrono::milliseconds kQuietSpell{300};
constexpr std::chrono::seconds kLongestWait{5};
constexpr double kLatencyGoalMs = 100;
constexpr int kHammerSeconds = 5;
constexpr std::chrono::milliseconds kHammerEvery{10};
constexpr double kKiB = 1024.0;

// The sink's monitor, read in 2 ms pieces on a thread of its own: when sound last came.
struct Recorder {
    std::atomic<Clock::rep> lastSound{0};
    std::atomic<Clock::rep> firstSoundAfter{0};
    std::atomic<Clock::rep> armedAt{0};
    std::atomic<bool> stop{false};
    std::thread thread;

    explicit Recorder(const char *source)
    {
        const pa_sample_spec samples{.format = PA_SAMPLE_S16NE, .rate = kRate, .channels = 1};
        const pa_buffer_attr buffer{
            .maxlength = std::uint32_t(-1), .tlength = 0, .prebuf = 0, .minreq = 0, .fragsize = kFragmentBytes};
        int error = 0;
        pa_simple *s =
            pa_simple_new(nullptr, "bench", PA_STREAM_RECORD, source, "monitor", &samples, nullptr, &buffer, &error);
        if (!s) {
            std::fprintf(stderr, "speech: cannot record %s\n", source);
            std::exit(1);
        }
        thread = std::thread([this, s] {
            short samples[kFragmentBytes / sizeof(short)];
            while (!stop) {
                if (pa_simple_read(s, samples, sizeof samples, nullptr) < 0)
                    break;
                const auto now = Clock::now().time_since_epoch().count();
                for (short v : samples) {
                    if (v != 0) {
                        lastSound = now;
                        if (armedAt && !firstSoundAfter)
                            firstSoundAfter = now;
                        break;
                    }
                }
            }
            pa_simple_free(s);
        });
    }
    ~Recorder()
    {
        stop = true;
        thread.join();
    }

    void waitForQuiet()
    {
        while (Clock::now() - Clock::time_point(Clock::duration(lastSound.load())) < kQuietSpell)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    /// Milliseconds from now to the first sound after it, or a negative number if none came.
    double timeToSound(const std::function<void()> &request)
    {
        firstSoundAfter = 0;
        const auto start = Clock::now();
        armedAt = start.time_since_epoch().count();
        request();
        while (!firstSoundAfter && Clock::now() - start < kLongestWait)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        armedAt = 0;
        if (!firstSoundAfter)
            return -1;
        return double(Clock::duration(firstSoundAfter.load() - start.time_since_epoch().count()).count()) / 1e6;
    }
};

double statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

int countSamples(short *, int count, espeak_EVENT *events)
{
    *static_cast<long *>(events->user_data) += count;
    return 0;
}

} // namespace

int synthesisAlone(int runs)
{
    const QString story = kMascotTable[0].story.toString();
    // espeak-ng alone, as the voice drives it, on this thread.
    const auto initStart = Clock::now();
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 20, nullptr, espeakINITIALIZE_DONT_EXIT);
    espeak_SetVoiceByName("el");
    const double initMs =
        double(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - initStart).count()) / 1000;
    espeak_SetSynthCallback(countSamples);
    const std::string words = textForSpeech(story).toStdString();
    std::vector<double> synthesis;
    long samples = 0;
    for (int i = 0; i < runs; ++i) {
        samples = 0;
        const auto start = Clock::now();
        espeak_Synth(words.c_str(), words.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &samples);
        synthesis.push_back(
            double(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count()) / 1000);
    }
    espeak_Terminate();

    std::printf("espeak-ng alone: start with the Greek voice %.1f ms; the Atlanta story (%.1f s of speech) synthesised "
                "in %s ms\n",
                initMs, double(samples) / rate, format(summarize(synthesis)).c_str());
    return 0;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--synthesis") == 0)
        return synthesisAlone(argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRuns);
    if (argc < 2) {
        std::fprintf(stderr, "usage: speech SINK [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRuns;
    const std::string monitor = std::string(argv[1]) + ".monitor";
    const QString problem = operandsWords(17, 5);
    const QString story = kMascotTable[0].story.toString();

    auto platform = std::make_unique<DesktopPlatform>();
    DesktopPlatform &desktop = *platform;
    setPlatform(&desktop); // the screens' platform too
    Recorder recorder(monitor.c_str());
    const double rssBefore = statusKiB("VmRSS:");
    const double first = recorder.timeToSound([&] { desktop.speak(problem); });
    recorder.waitForQuiet();
    const double rssAfterFirst = statusKiB("VmRSS:");
    std::vector<double> later;
    int silent = 0;
    for (int i = 0; i < runs; ++i) {
        const double ms = recorder.timeToSound([&] { desktop.speak(i % 2 ? problem : story); });
        if (ms < 0)
            ++silent;
        else
            later.push_back(ms);
        desktop.stopSpeaking();
        recorder.waitForQuiet();
    }
    const double rssAfterRuns = statusKiB("VmRSS:");
    // Two rounds of a hundred requests a second: memory that grew with requests would grow again.
    constexpr int kHammerRounds = 2;
    std::array<double, kHammerRounds> rssAfterHammer{};
    double drainMs = 0;
    int requests = 0;
    for (double &rss : rssAfterHammer) {
        const auto hammerStart = Clock::now();
        while (Clock::now() - hammerStart < std::chrono::seconds(kHammerSeconds)) {
            desktop.speak(QString::number(++requests));
            std::this_thread::sleep_for(kHammerEvery);
        }
        const auto lastRequest = Clock::now();
        recorder.waitForQuiet();
        drainMs =
            std::max(drainMs, double(std::chrono::duration_cast<std::chrono::microseconds>(
                                         Clock::time_point(Clock::duration(recorder.lastSound.load())) - lastRequest)
                                         .count()) /
                                  1000);
        rss = statusKiB("VmRSS:");
    }
    // A tap on the home screen's greeting, as a pupil asks for it; the screen opens with its
    // greeting box, which the pupil closes.
    QTimer pressingOk;
    pupil::pressOkOnEveryBox(pressingOk, kQuietSpell);
    handOver(nullptr, ScreenId::Home);
    pressingOk.stop();
    auto *greeting = currentScreen()->findChild<QLabel *>(QStringLiteral("lblminima"));
    std::vector<double> taps;
    for (int i = 0; i < runs; ++i) {
        const double ms = recorder.timeToSound([&] { pupil::tap(greeting); });
        if (ms < 0)
            ++silent;
        else
            taps.push_back(ms);
        desktop.stopSpeaking();
        recorder.waitForQuiet();
    }

    // The program's end in the middle of a story: the platform goes, and the voice with it.
    desktop.speak(story);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const auto endStart = Clock::now();
    setPlatform(nullptr);
    platform.reset();
    const double endMs =
        double(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - endStart).count()) / 1000;

    const Summary s = summarize(later);
    std::printf("The voice through the real platform and a PulseAudio server (null sink, its monitor recorded in 2 ms "
                "pieces);\n"
                "each figure: median [min .. max]\n\n");
    std::printf("request to the first sound recorded from the sink (ms):\n");
    std::printf("  the first utterance (loads the voice, connects)  %.1f\n", first);
    std::printf(
        "  later ones, %zu runs                              %s   worst %.1f; goal <= %.0f ms: median %s, worst %s%s\n",
        s.runs, format(s).c_str(), s.max, kLatencyGoalMs, verdict(s.median <= kLatencyGoalMs),
        verdict(s.max <= kLatencyGoalMs), silent ? " (some silent!)" : "");
    const Summary t = summarize(taps);
    std::printf(
        "  a tap on the home screen's greeting, %zu runs     %s   worst %.1f; goal <= %.0f ms: median %s, worst %s\n",
        t.runs, format(t).c_str(), t.max, kLatencyGoalMs, verdict(t.median <= kLatencyGoalMs),
        verdict(t.max <= kLatencyGoalMs));
    std::printf(
        "memory (VmRSS, MiB): before the first utterance %.1f; after it +%.2f; after %d more +%.2f;\n"
        "  after a request every %lld ms for %d s +%.2f, and for %d s more +%.2f (%d requests); the last sound\n"
        "  at most %.0f ms after the last request\n",
        rssBefore / kKiB, (rssAfterFirst - rssBefore) / kKiB, runs, (rssAfterRuns - rssBefore) / kKiB,
        static_cast<long long>(kHammerEvery.count()), kHammerSeconds, (rssAfterHammer[0] - rssBefore) / kKiB,
        kHammerSeconds, (rssAfterHammer[1] - rssBefore) / kKiB, requests, drainMs);
    std::printf("the end in the middle of a story: the platform and its voice gone in %.1f ms\n", endMs);
    return 0;
}
