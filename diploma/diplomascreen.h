// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/widgets/screen.h"

class QLabel;
class QLineEdit;
class QTimer;

namespace kalyxteron {

struct DiplomaDesign;

// A diploma: the certificate a pupil fills in with the school's and the
// pupil's name, prints and leaves. The six practice diplomas and the mascot
// diploma share this class; a table of their differences sets each one up.
class DiplomaScreen : public Screen {
    Q_OBJECT
public:
    explicit DiplomaScreen(ScreenId id);

    QString spokenInstructions() const override;
    QString spokenText(const QWidget *control) const override;

public slots:
    void arxi_Click();
    void ektiposi_Click();
    void exit_Click();
    void game_Click();
    void info_Click();
    void Timer1_Timer();

private:
    void buildTexts();
    void buildSports();
    void buildMascots();
    void buildFrame();
    void buildMenu();

    const DiplomaDesign &m_design;
    QLineEdit *m_school = nullptr;
    QLineEdit *m_name = nullptr;
    QLabel *m_date = nullptr;
    QTimer *m_timer = nullptr;
};

} // namespace kalyxteron
