// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

#include <QRect>

#include <cmath>

namespace kalyxteron {

// The platform of the tools that render or time the screens: no boxes, no
// sound, no end, a fixed date, and a clock that moves on between readings so
// that every draw comes out differently, the same way on every run.
class QuietPlatform : public Platform {
public:
    void messageBox(const QString &) override {}
    void beep() override {}
    void endProgram() override {}
    QString printForm(QWidget *) override { return QString(); }
    double secondsSinceMidnight() override { return m_seconds += kSecondsStep; }
    double dayFraction() override { return kNoon; }
    QString shortDate() override { return QStringLiteral("8/12/2026"); }
    QDate today() override { return QDate(2026, 12, 8); }
    void randomize(double seed) override { m_state = seed; }
    QRect availableArea() override { return area; }
    double pixelsPerMillimetre(const QWidget *) override { return kPixelsPerMm; }
    double rnd() override
    {
        // A simple, repeatable sequence spread over [0, 1).
        m_state = m_state * kMultiplier + kIncrement;
        m_state -= std::floor(m_state);
        return m_state;
    }

    QRect area{0, 0, 1920, 1080}; // the desktop the screens open on

protected:
    void say(const QString &) override {}
    void silence() override {}

private:
    static constexpr double kPixelsPerMm = 96.0 / 25.4; // a display of 96 pixels to the inch
    static constexpr double kSecondsStep = 1.37;
    static constexpr double kStartOfLessons = 36000.0; // 10 in the morning
    static constexpr double kNoon = 0.5;
    static constexpr double kMultiplier = 997.0;
    static constexpr double kIncrement = 0.123;
    double m_seconds = kStartOfLessons;
    double m_state = 0.0;
};

} // namespace kalyxteron
