// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/console.h"
#include "shell/logic/commandline.h"
#include "shell/widgets/application.h"
#include "shell/widgets/navigation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // --help and --version are answered before QApplication looks for a display.
    if (argc > 1)
        kalyxteron::reachTerminal();
    if (const std::optional<int> exitCode = kalyxteron::answerCommandLine(argc, argv, stdout, stderr))
        return *exitCode;
    QApplication app(argc, argv);
    kalyxteron::setUpApplication();
    kalyxteron::startUp();
    return QApplication::exec();
}
