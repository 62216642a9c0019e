// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/blankruns.h"

namespace kalyxteron {

QStringList shownLines(QStringView caption)
{
    QStringList lines;
    QString line;
    qsizetype i = 0;
    while (i < caption.size()) {
        if (caption[i] != u' ') {
            line += caption[i++];
            continue;
        }
        qsizetype run = 0;
        while (i + run < caption.size() && caption[i + run] == u' ')
            ++run;
        const bool atEnd = i + run == caption.size();
        if (run >= kLineBreakingRun || atEnd) {
            if (!line.isEmpty())
                lines << line;
            line.clear();
        } else {
            line += QString(run, u' ');
        }
        i += run;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace kalyxteron
