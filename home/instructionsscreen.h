// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/widgets/screen.h"

namespace kalyxteron {

// odigies: how to work a practice screen, in three paragraphs; leads to the three grades.
class InstructionsScreen : public Screen {
    Q_OBJECT
public:
    InstructionsScreen();

public slots:
    void clasA_Click();
    void clasB_Click();
    void clasCST_Click();
};

// frmmakers: who made the program; leads home.
class CreditsScreen : public Screen {
    Q_OBJECT
public:
    CreditsScreen();

public slots:
    void arxiki_Click();
};

} // namespace kalyxteron
