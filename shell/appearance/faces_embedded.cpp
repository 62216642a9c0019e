// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/appearance/faces.h"

#include <QApplication>
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>

namespace kalyxteron {

namespace {
// What Qt gives every text without a face of its own (the menu bars) on a Linux desktop.
constexpr int kDefaultPointSize = 9;
} // namespace

void provideFaces()
{
    // Embedded by the build under :/fonts; added once, for the program's whole run.
    static const bool provided = [] {
        QDirIterator faces(QStringLiteral(":/fonts"), QDir::Files);
        while (faces.hasNext())
            QFontDatabase::addApplicationFont(faces.next());
        // Every control without a face of its own, menu bars and lists included, as on Linux.
        const QFont plain(QStringLiteral("DejaVu Sans"), kDefaultPointSize);
        QApplication::setFont(plain);
        for (const char *kind : {"QMenuBar", "QMenu"})
            QApplication::setFont(plain, kind);
        return true;
    }();
    (void)provided;
}

} // namespace kalyxteron
