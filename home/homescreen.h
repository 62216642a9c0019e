// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/widgets/screen.h"

namespace kalyxteron {

// frminfo: the home screen, from which the pupil opens a grade.
class HomeScreen : public Screen {
    Q_OBJECT
public:
    HomeScreen();

public slots:
    void info_Click();
    void classA_Click();
    void classB_Click();
    void arxiki_Click();
    void exit_Click();
    void cmdprog_Click();
};

} // namespace kalyxteron
