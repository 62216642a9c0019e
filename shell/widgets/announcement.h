// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

// What the eye reads from a screen after a press (a praise word, a mascot and its
// story, the score, the drawn numbers), said to a screen reader as well. Nothing
// changes on the screen itself.
namespace kalyxteron {

/// Has a screen reader read `text` aloud now, on behalf of `screen`.
void announce(QWidget *screen, const QString &text);

/// The same once `screen` has become the active window, for what a screen shows on opening.
void announceOnOpening(QWidget *screen, const QString &text);

/// Pieces of text read as sentences: blanks tidied, a full stop after each piece that has none.
QString asSentences(const QStringList &pieces);

} // namespace kalyxteron
