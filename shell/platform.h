// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Kalyxteron: a drill of the four operations for primary-school pupils.
//
// How the program is built: the arithmetic, the random draws and the tables
// are plain functions and constant tables (kalyxteron_logic, Qt Core only);
// the screens are QMainWindows that wire their controls to them
// (kalyxteron_gui). Everything that touches the outside world - message
// boxes, the beep, the voice, ending the program, printing, the clock and the
// random generator - goes through the Platform below, so that tests can replace it
// with a scripted fake and run headless and deterministic.
#pragma once

#include <QDate>
#include <QRect>
#include <QString>

class QWidget;

namespace kalyxteron {

class Platform {
public:
    virtual ~Platform() = default;
    virtual void messageBox(const QString &text) = 0;              // modal, one OK button, title "Kalyxteron"
    virtual void beep() = 0;                                       // the system's default sound
    virtual void endProgram() = 0;                                 // at once; no further handler runs
    virtual QString printForm(QWidget *clientArea) = 0;            // a screen's client area, as shown; what to
                                                                   // tell the pupil, or nothing when it is on its way
    virtual double secondsSinceMidnight() = 0;                     // with its fraction
    virtual double dayFraction() = 0;                              // whole seconds since midnight / 86400
    virtual QString shortDate() = 0;                               // the user's short date format
    virtual QDate today() = 0;                                     // the same date, as a date
    virtual void randomize(double seed) = 0;                       // reseed, with the clock value as read
    virtual double rnd() = 0;                                      // uniform in [0, 1)
    virtual QRect availableArea() = 0;                             // the desktop's room for a new window
    virtual double pixelsPerMillimetre(const QWidget *window) = 0; // on the display the window is on

    // The Greek voice. A screen passes a text as it shows it (numbers in digits, a problem
    // through problemWords() in shell/logic/spokenwords.h); what is said is textForSpeech() of
    // it, a text longer than kLongestSpokenText characters cut at its last blank within them
    // (a story is about 400). Speech is on at every start of
    // the program (nothing is kept between runs); where a screen reader is running the
    // desktop platform says nothing, so as not to speak over it.
    void speak(const QString &text); // cuts what was being said; returns at once
    void stopSpeaking();             // at once
    void setSpeechOn(bool on);       // off stops what is being said
    bool speechOn() const { return m_speechOn; }

    static constexpr int kLongestSpokenText = 1000;

protected:
    virtual void say(const QString &words) = 0; // words ready for the voice, cutting any before
    virtual void silence() = 0;

private:
    bool m_speechOn = true;
};

Platform &platform();                    // the one in use
void setPlatform(Platform *replacement); // nullptr: back to the real one

} // namespace kalyxteron
