#pragma once

#include "shell/platform.h"

#include <QString>

#include <random>

class QPrinter;

namespace kalyxteron {

// The platform of a real desktop: Qt's message box, beep, printer and clock.
class DesktopPlatform : public Platform {
public:
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
    std::mt19937_64 m_generator{std::random_device{}()};
};

// Paints a form's client area onto a printer (or PDF writer) page, scaled to
// fill the page while keeping its proportions. Returns false if the printer
// could not be opened.
bool paintFormOnPrinter(QWidget *form, QPrinter &printer);

// Where the diploma goes as a PDF when no printer is configured.
QString fallbackPdfPath(const QString &documentsFolder, const QString &stamp);

} // namespace kalyxteron
