// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

#include <QString>

#include <chrono>
#include <memory>
#include <random>

namespace kalyxteron {

class Chime;
class Speech;

// The platform of a real desktop: Qt's message box, printer and clock, the system's own beep
// (chime.h) and the Greek voice (desktop/speech.h).
class DesktopPlatform : public Platform {
public:
    DesktopPlatform();
    ~DesktopPlatform() override;
    void messageBox(const QString &text) override;
    void beep() override;
    void endProgram() override;
    QString printForm(QWidget *clientArea) override;
    double secondsSinceMidnight() override;
    double dayFraction() override;
    QString shortDate() override;
    QDate today() override;
    void randomize(double seed) override;
    double rnd() override;
    QRect availableArea() override;
    double pixelsPerMillimetre(const QWidget *window) override;

protected:
    void say(const QString &words) override;
    void silence() override;

private:
    std::mt19937_64 m_generator{std::random_device{}()};
    std::unique_ptr<Chime> m_chime;                   // the beep's sound, once there has been one
    std::unique_ptr<Speech> m_speech;                 // the voice, once it has been asked to speak
    std::chrono::steady_clock::time_point m_lastBeep; // a word said just after it waits for its end
};

} // namespace kalyxteron
