// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLabel;

// The words with which a check answers the pupil, shared by the practice
// screens and the game.
namespace kalyxteron {

/// A praise word for a right result, drawn afresh each time.
void showPraiseWord(QLabel *label);

/// A warning word for a wrong result, drawn afresh each time.
void showWarningWord(QLabel *label);

} // namespace kalyxteron
