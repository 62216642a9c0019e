// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Speaks through the real desktop platform, as a screen does, then ends the program as
// «Έξοδος» does:
//   speech_sound say TEXT SECONDS          TEXT, then the end after SECONDS
//   speech_sound cut LONG SHORT SECONDS    LONG, cut half a second later by SHORT
//   speech_sound hammer SECONDS LAST WAIT  a new number every 10 ms for SECONDS, then LAST,
//                                          then the end after WAIT more seconds
//   speech_sound tap SECONDS               the home screen, its greeting tapped
//   speech_sound right-sum SECONDS         the grade A screen, a right sum checked
// Writes the words given to the voice ("words: ..."), the longest time a request kept the
// program waiting, and how long the end took.
#include "shell/logic/spokenwords.h"
#include "shell/platform.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/screen.h"
#include "tools/pupilhand.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace kalyxteron;

namespace {
constexpr int kMillisecondsPerSecond = 1000;
constexpr int kCutAfterMs = 500;
constexpr int kHammerEveryMs = 10;
constexpr std::chrono::milliseconds kPupilPressesOk{100};

double g_longestRequestMs = 0;

void speak(const QString &text)
{
    QElapsedTimer timer;
    timer.start();
    platform().speak(text);
    g_longestRequestMs = std::max(g_longestRequestMs, double(timer.nsecsElapsed()) / 1e6);
}

void endAfter(double seconds)
{
    QTimer::singleShot(int(seconds * kMillisecondsPerSecond), [] {
        QElapsedTimer timer;
        timer.start();
        platform().endProgram();
        std::printf("longest request %.2f ms; the end took %.1f ms\n", g_longestRequestMs,
                    double(timer.nsecsElapsed()) / 1e6);
    });
}
// The words given to the voice, in UTF-8 whatever the system's code page (a Windows program's
// 8-bit text is its ANSI code page, which has no Greek under Wine's default).
void printWords(const QString &text)
{
    std::printf("words: %s\n", textForSpeech(text).toUtf8().constData());
}

template <typename T>
T *onShow(const char *name)
{
    return currentScreen()->findChild<T *>(QLatin1String(name));
}

// The screens' own voice: the home screen's greeting tapped, or a right sum checked on grade A.
void useScreen(const QString &mode, double seconds)
{
    if (mode == u"tap") {
        handOver(nullptr, ScreenId::Home);
        auto *greeting = onShow<QLabel>("lblminima");
        printWords(greeting->text());
        pupil::tap(greeting);
    } else {
        handOver(nullptr, ScreenId::GradeA);
        onShow<QAbstractButton>("cmdteacher")->click();
        onShow<QLineEdit>("txtnum1")->setText(QStringLiteral("7"));
        onShow<QLineEdit>("txtnum2")->setText(QStringLiteral("2"));
        onShow<QLineEdit>("txtadd")->setText(QStringLiteral("9"));
        onShow<QAbstractButton>("cmdchadd")->click();
        printWords(onShow<QLabel>("lblchadd")->text());
    }
    std::fflush(stdout);
    endAfter(seconds);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString mode = arguments.value(0);
    if (mode == u"say" && arguments.size() == 3) {
        printWords(arguments[1]);
        speak(arguments[1]);
        endAfter(arguments[2].toDouble());
    } else if (mode == u"cut" && arguments.size() == 4) {
        printWords(arguments[2]);
        speak(arguments[1]);
        QTimer::singleShot(kCutAfterMs, [text = arguments[2]] { speak(text); });
        endAfter(arguments[3].toDouble());
    } else if (mode == u"hammer" && arguments.size() == 4) {
        printWords(arguments[2]);
        auto *hammer = new QTimer(&app);
        QElapsedTimer since;
        since.start();
        const qint64 hammerMs = qint64(arguments[1].toDouble() * kMillisecondsPerSecond);
        const double wait = arguments[3].toDouble();
        QObject::connect(hammer, &QTimer::timeout, [=, &app, n = 0]() mutable {
            if (since.elapsed() < hammerMs) {
                speak(QString::number(++n));
                return;
            }
            hammer->stop();
            speak(app.arguments().at(3));
            endAfter(wait);
        });
        hammer->start(kHammerEveryMs);
    } else if ((mode == u"tap" || mode == u"right-sum") && arguments.size() == 2) {
        // A screen may greet the pupil with a message box as it opens: the pupil presses «OK».
        pupil::pressOkOnEveryBox(*new QTimer(&app), kPupilPressesOk);
        QTimer::singleShot(0, [mode, seconds = arguments[1].toDouble()] { useScreen(mode, seconds); });
    } else {
        std::fprintf(stderr, "usage: speech_sound say TEXT SECONDS | cut LONG SHORT SECONDS | hammer SECONDS LAST WAIT"
                             " | tap SECONDS | right-sum SECONDS\n");
        return 2;
    }
    std::fflush(stdout);
    return app.exec();
}
