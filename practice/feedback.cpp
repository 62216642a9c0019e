// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/feedback.h"

#include "practice/rules/feedbacktables.h"
#include "shell/logic/randomdraw.h"
#include "shell/platform.h"

#include <QAccessible>
#include <QLabel>

namespace kalyxteron {

namespace {
void showWord(QLabel *label, QStringView word)
{
    label->setText(word.toString());
    // Screen readers announce the word as it appears.
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
} // namespace

void showPraiseWord(QLabel *label)
{
    showWord(label,
             kPraiseWords[std::size_t(drawFromClock(platform(), int(kPraiseWords.size()), Reseed::DayFraction))]);
}

void showWarningWord(QLabel *label)
{
    showWord(label,
             kWarningWords[std::size_t(drawFromClock(platform(), int(kWarningWords.size()), Reseed::DayFraction))]);
}

} // namespace kalyxteron
