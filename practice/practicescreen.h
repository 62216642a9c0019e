// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "practice/rules/arithmetic.h"
#include "practice/rules/judge.h"
#include "practice/rules/problems.h"
#include "shell/widgets/screen.h"

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalyxteron {

class PictureBox;
struct GradeDesign;

// A practice screen: one problem at a time, an exercise per operation of the
// grade, a score, and a mascot with its story for every right result. The
// three grades share this class; a table of their differences sets it up.
class PracticeScreen : public Screen {
    Q_OBJECT
public:
    explicit PracticeScreen(Grade grade);

public slots:
    void Form_Load() override;
    void cdmdiagrafi_Click();
    void cmdrand_Click();
    void cmdteacher_Click();
    void cmdchadd_Click();
    void cmdchdiaf_Click();
    void cmdchmult_Click();
    void cmdypoloipo_Click();
    void arxi_Click();
    void exit_Click();
    void odig_Click();
    void enimerosi_Click();
    void info_Click();

    QString spokenText(const QWidget *control) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Exercise {
        QLabel *name = nullptr;
        QLineEdit *answer = nullptr;
        QPushButton *check = nullptr;
        QLabel *word = nullptr;
    };

    void build();
    void buildProblem();
    void buildExercises();
    void buildExercise(Operation operation, int row);
    void buildScore();
    void buildMascots();
    void wire();
    void offerKeyPads();
    void buildMenu();
    void setFocusOrder();
    void enableChecks();
    void checkOperation(Operation operation);
    void writeBackOperands(const Judgement &judgement);
    void refuseOverflow(Field overflowed, QLineEdit *answer);
    /// Refuses, or shows the warning word and moves the focus to `nextWhenWrong` (when given);
    /// returns whether the answer was right and the check goes on to its reward.
    bool isRight(const Judgement &judgement, const Exercise &exercise, QWidget *nextWhenWrong);
    /// The first steps of a right result: beep, praise word, mascot, and the check button disabled.
    /// False when the score cannot be read, and then nothing has changed.
    bool beginReward(const Exercise &exercise, bool releasesClear, std::optional<QStringView> athensStory);
    /// Raises the score and tells a screen reader the reward (the praise word in `word`, the mascot,
    /// its story and the score). Returns whether the diploma award took place (the screen is then closed).
    bool raiseScoreAndAward(const QLabel *word);
    /// Tells a screen reader the praise word beside `word`'s exercise, the mascot, its story and the score.
    void announceReward(const QLabel *word);

    void clearMascot();
    void showMascot(std::optional<QStringView> athensStory);

    const GradeDesign &m_design;
    QLineEdit *m_first = nullptr;
    QLineEdit *m_second = nullptr;
    QPushButton *m_random = nullptr;
    QPushButton *m_teacher = nullptr;
    QPushButton *m_clear = nullptr;
    QLineEdit *m_score = nullptr;
    QLabel *m_story = nullptr;
    std::array<Exercise, 3> m_exercises{}; // sum, difference, product
    Exercise m_division;                   // quotient, where the grade divides
    QLineEdit *m_remainder = nullptr;      // grades C to F only
    QLabel *m_remainderName = nullptr;
    std::array<PictureBox *, 9> m_mascots{};
};

} // namespace kalyxteron
