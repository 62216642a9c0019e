// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

#include <QRectF>
#include <QString>

#include <memory>
#include <random>

class QDateTime;
class QPrinter;

namespace kalyxteron {

class Chime;

// The platform of a real desktop: Qt's message box, beep, printer and clock.
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

private:
    void saveInsteadOfPrinting(QWidget *area);

    std::mt19937_64 m_generator{std::random_device{}()};
    std::unique_ptr<Chime> m_chime;   // the beep's sound, once there has been one
};

// Where a page of this size shows a form of that size: as large as the page
// allows, in its own proportions, centred.
QRectF fitOnPage(QSizeF form, QSizeF page);

// Paints a form's client area onto a printer (or PDF writer) page, as vector
// text and pictures, filling the page. Returns false if the printer could not
// be opened or reported an error.
bool paintFormOnPrinter(QWidget *area, QPrinter &printer);

// Where a diploma goes as a PDF when there is no printer: a Greek name with the
// date and time, numbered if a file of that name is already there.
QString fallbackPdfPath(const QString &folder, const QDateTime &when);

// Saves the form's client area as a one-page landscape PDF. Returns false if
// the file could not be written.
bool saveFormAsPdf(QWidget *area, const QString &path);

} // namespace kalyxteron
