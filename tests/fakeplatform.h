// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <random>
#include <vector>

namespace kalyxteron::test {

// A scripted platform: records every message box, beep, end and print, in
// order, with what was on show at each, and answers the clock and the generator
// with values a test sets.
class FakePlatform : public Platform {
public:
    FakePlatform();
    ~FakePlatform() override;

    void messageBox(const QString &text) override;
    void beep() override;
    void endProgram() override;
    QString printForm(QWidget *clientArea) override;
    double secondsSinceMidnight() override;
    double dayFraction() override;
    QString shortDate() override;
    QDate today() override { return day; }
    void randomize(double seed) override;
    double rnd() override;
    QRect availableArea() override { return area; }
    double pixelsPerMillimetre(const QWidget *) override { return pixelsPerMm; }

    /// Queues uniform values that make the next draws of one of n come out as `values`.
    void scriptDraws(int n, std::initializer_list<int> values);
    /// Answers the draws nobody scripted with a seeded pseudo-random sequence.
    void useRandomDraws(unsigned seed);
    /// Forgets everything recorded so far (not the scripted values).
    void forget();

    QStringList messages;                      // texts of the message boxes, in order
    QStringList log;                           // "message: ...", "beep", "speak: ...", "stop speaking", "end",
                                               // "print: <name>", in order
    QStringList spoken;                        // the words given to the voice, in order
    std::vector<QStringList> screensAtMessage; // the visible screens when each box appeared
    std::vector<QStringList> screensAtBeep;    // the visible screens at each beep
    std::vector<double> seeds;                 // every reseed, in order
    int beeps = 0;
    int ends = 0;
    std::vector<QPointer<QWidget>> printed;            // the screens whose client areas were printed
    std::vector<QHash<QString, QString>> printedTexts; // at each print, the texts of the client
                                                       // area's named labels and fields, by name
    std::vector<QStringList> screensAtPrint;           // the visible screens at each print
    double seconds = 45296.75;                         // 12:34:56.75
    double fraction = 45296.0 / 86400.0;
    QString date = QStringLiteral("8/12/2026");
    QDate day{2026, 12, 8};                         // the same date
    QString printOutcome;                           // what a print tells the pupil (nothing: on its way)
    QRect area{0, 0, 1920, 1080};                   // a desktop with room for every screen at its own size
    double pixelsPerMm = 96.0 / 25.4;               // a display of 96 pixels to the inch
    double fallbackUniform = 0.0;                   // when nothing is queued ...
    std::function<double()> uniformSource;          // ... or this, when set
    std::function<void(const QString &)> onMessage; // runs inside each message box
    std::function<void()> onReseed;                 // runs at each reseed, once it is noted

protected:
    void say(const QString &words) override;
    void silence() override;

private:
    std::deque<double> m_uniform;
    std::mt19937_64 m_generator;
};

/// The object names of the visible top-level screens.
QStringList visibleScreens();

/// The menu bar of the screen on show, as text: "name:caption" entries, lists as name:caption[...].
QString menuOf(QWidget *screen);

/// Closes and deletes every window left by a test, quietly.
void closeAllScreens();

/// The uniform value whose draw of one of n is `value`.
double uniformFor(int value, int n);

} // namespace kalyxteron::test
