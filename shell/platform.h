// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Kalyxteron: a drill of the four operations for primary-school pupils.
//
// How the program is built: the arithmetic, the random draws and the tables
// are plain functions and constant tables (kalyxteron_logic, Qt Core only);
// the screens are QMainWindows that wire their controls to them
// (kalyxteron_gui). Everything that touches the outside world - message
// boxes, the beep, ending the program, printing, the clock and the random
// generator - goes through the Platform below, so that tests can replace it
// with a scripted fake and run headless and deterministic.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace kalyxteron {

class Platform {
public:
    virtual ~Platform() = default;
    virtual void messageBox(const QString &text) = 0;   // modal, one OK button, title "Kalyxteron"
    virtual void beep() = 0;                            // the system's default sound
    virtual void endProgram() = 0;                      // at once; no further handler runs
    virtual void printForm(QWidget *form) = 0;          // the form's client area, as shown
    virtual double secondsSinceMidnight() = 0;          // with its fraction
    virtual double dayFraction() = 0;                   // whole seconds since midnight / 86400
    virtual QString shortDate() = 0;                    // the user's short date format
    virtual void randomize(double seed) = 0;            // reseed, with the clock value as read
    virtual double rnd() = 0;                           // uniform in [0, 1)
    virtual QRect availableArea() = 0;                  // the desktop's room for a new window
    virtual double pixelsPerMillimetre(const QWidget *window) = 0; // on the display the window is on
};

Platform &platform();                       // the one in use
void setPlatform(Platform *replacement);    // nullptr: back to the real one

} // namespace kalyxteron
