// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "assets/pictures.h"
#include "shell/widgets/screen.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalyxteron {

class PictureBox;

// paixnidi: the mascot quiz. A draw shows one of nine mascots, the pupil types
// the year of its Games; a right year earns a point, a praise word and an
// Olympic sport, and 20 points open the mascot diploma. Which step of a turn
// the game is in is told by which controls are enabled; the year on show is
// the text of the hidden field txta.
class GameScreen : public Screen {
    Q_OBJECT
public:
    GameScreen();

public slots:
    void Form_Load() override;
    void cmdrandom_Click();
    void cmdchk_Click();
    void arxiki_Click();
    void info_Click();

private:
    void build();
    void buildPictures();
    void hideMascots();
    void hideSports();
    void refuseOverflow(QLineEdit *fieldToFix);

    QLabel *m_word = nullptr;      // lblmaskot: praise or warning
    QLabel *m_sportName = nullptr; // lblmessage
    QLineEdit *m_year = nullptr;   // txtxronia
    QLineEdit *m_answer = nullptr; // txta, never on show
    QLineEdit *m_score = nullptr;  // txtvathmos
    QPushButton *m_check = nullptr;
    QPushButton *m_draw = nullptr;
    std::array<PictureBox *, kMascotCount> m_mascots{};
    std::array<PictureBox *, kSportCount> m_sports{}; // by Sport
};

} // namespace kalyxteron
