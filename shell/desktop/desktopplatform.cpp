// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/desktop/desktopplatform.h"

#include "shell/appearance/faces.h"
#include "shell/desktop/chime.h"
#include "shell/desktop/speech.h"
#include "shell/logic/messages.h"
#include "shell/logic/release.h"
#include "shell/printing/printer.h"

#include <QApplication>
#include <QCursor>
#include <QDate>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTime>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>

namespace kalyxteron {

namespace {

constexpr double kMillisecondsPerSecond = 1000.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr int kMantissaBits = 53;
constexpr int kMessageBoxPointSize = 14;
constexpr double kMillimetresPerInch = 25.4;
// The last beep before the program ends is heard to its end, if the sound server answers in time.
constexpr std::chrono::milliseconds kLastBeepWait{500};
// The beep as the sound server plays it: the desktop's bell is a ding of 0.14 s.
constexpr std::chrono::milliseconds kBeepLength{200};

QWidget *visibleScreen()
{
    const auto windows = QApplication::topLevelWidgets();
    const auto it = std::find_if(windows.begin(), windows.end(),
                                 [](QWidget *w) { return w->isVisible() && qobject_cast<QMainWindow *>(w); });
    return it == windows.end() ? nullptr : *it;
}

} // namespace

void DesktopPlatform::messageBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationName), text, QMessageBox::Ok, visibleScreen());
    // Large enough for young readers, whatever the desktop's default size.
    box.setFont(plainFont(kMessageBoxPointSize));
    box.exec();
}

DesktopPlatform::DesktopPlatform() = default;
DesktopPlatform::~DesktopPlatform() = default;

void DesktopPlatform::beep()
{
    // Made at the first beep: starting the program costs no time with the sound server.
    if (!m_chime)
        m_chime = std::make_unique<Chime>();
    m_chime->ring();
    m_lastBeep = std::chrono::steady_clock::now();
}

void DesktopPlatform::say(const QString &words)
{
    // Made at the first utterance: starting the program loads nothing of the voice.
    if (!m_speech)
        m_speech = std::make_unique<Speech>();
    // A word said with a beep (the praise of a right answer) comes right after it, not over it.
    const auto sinceBeep = std::chrono::steady_clock::now() - m_lastBeep;
    const auto wait = sinceBeep < kBeepLength
                          ? std::chrono::duration_cast<std::chrono::milliseconds>(kBeepLength - sinceBeep)
                          : std::chrono::milliseconds(0);
    m_speech->say(words.toStdString(), wait);
}

void DesktopPlatform::silence()
{
    if (m_speech)
        m_speech->stop();
}

void DesktopPlatform::endProgram()
{
    // The end does not wait for speech.
    silence();
    // A beep just asked for (the exit's own) would be cut off by the end of the program.
    if (m_chime)
        m_chime->finish(kLastBeepWait);
    // Hiding (not closing) sends no close events, so no handler of any screen runs.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        w->hide();
    QCoreApplication::exit(0);
}

QString DesktopPlatform::printForm(QWidget *clientArea)
{
    return printOnDefaultPrinter(clientArea);
}

double DesktopPlatform::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / kMillisecondsPerSecond;
}

double DesktopPlatform::dayFraction()
{
    return QTime::currentTime().msecsSinceStartOfDay() / int(kMillisecondsPerSecond) / kSecondsPerDay;
}

QDate DesktopPlatform::today()
{
    return QDate::currentDate();
}

QString DesktopPlatform::shortDate()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

void DesktopPlatform::randomize(double seed)
{
    // The same clock value gives the same sequence, as a reseed should.
    const auto bits = std::bit_cast<std::uint64_t>(seed);
    std::seed_seq sequence{std::uint32_t(bits), std::uint32_t(bits >> 32)};
    m_generator.seed(sequence);
}

double DesktopPlatform::rnd()
{
    return double(m_generator() >> (64 - kMantissaBits)) * (1.0 / double(std::uint64_t{1} << kMantissaBits));
}

QRect DesktopPlatform::availableArea()
{
    // The display the pupil is working on: the one under the pointer.
    const QScreen *display = QGuiApplication::screenAt(QCursor::pos());
    if (!display)
        display = QGuiApplication::primaryScreen();
    return display ? display->availableGeometry() : QRect();
}

double DesktopPlatform::pixelsPerMillimetre(const QWidget *window)
{
    const QScreen *display = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!display)
        return 0.0;
    // In the same pixels as a window's; a display that does not say its size is taken at the
    // density the desktop sets its texts for.
    const double physical = display->physicalDotsPerInch() / kMillimetresPerInch;
    return std::isfinite(physical) && physical > 0.0 ? physical : display->logicalDotsPerInch() / kMillimetresPerInch;
}

} // namespace kalyxteron
