// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/blankruns.h"

#include <algorithm>

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

QString captionWithin(QStringView caption, int room, const std::function<int(QStringView)> &widthOf)
{
    qsizetype runStart = 0;
    qsizetype runLength = 0;
    for (qsizetype i = 0; i < caption.size();) {
        qsizetype run = 0;
        while (i + run < caption.size() && caption[i + run] == u' ')
            ++run;
        if (run > runLength) {
            runStart = i;
            runLength = run;
        }
        i += std::max<qsizetype>(run, 1);
    }
    const auto withRun = [&](qsizetype blanks) {
        return caption.left(runStart).toString() + QString(blanks, u' ') + caption.mid(runStart + runLength).toString();
    };
    if (runLength <= 1 || widthOf(caption) <= room)
        return caption.toString();
    // The longest run that fits, found by halving: the caption widens with every blank.
    qsizetype fits = 1;
    for (qsizetype tooLong = runLength; tooLong - fits > 1;) {
        const qsizetype middle = (fits + tooLong) / 2;
        (widthOf(withRun(middle)) <= room ? fits : tooLong) = middle;
    }
    return withRun(fits);
}

QString withoutDottedLines(QStringView text)
{
    QString kept;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype run = at;
        while (run < text.size() && text[run] == u'.')
            ++run;
        if (run - at < kDottedRun)
            kept += text.mid(at, std::max<qsizetype>(run - at, 1));
        at = std::max(run, at + 1);
    }
    return kept;
}

} // namespace kalyxteron
