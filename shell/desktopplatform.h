// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

#include <QString>

#include <memory>
#include <random>

namespace kalyxteron {

class Chime;

// The platform of a real desktop: Qt's message box, printer and clock, and the system's
// own beep (chime.h).
class DesktopPlatform : public Platform {
public:
    DesktopPlatform();
    ~DesktopPlatform() override;
    void messageBox(const QString &text) override;
    void beep() override;
    void endProgram() override;
    void printForm(QWidget *form) override;
    double secondsSinceMidnight() override;
    double dayFraction() override;
    QString shortDate() override;
    void randomize(double seed) override;
    double rnd() override;
    QRect availableArea() override;
    double pixelsPerMillimetre(const QWidget *window) override;

private:
    std::mt19937_64 m_generator{std::random_device{}()};
    std::unique_ptr<Chime> m_chime;   // the beep's sound, once there has been one
};

} // namespace kalyxteron
