// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/rules/judge.h"

#include "shell/logic/numeric.h"

namespace kalyxteron {

namespace {

struct Reading {
    std::optional<qint16> answer;
    std::optional<qint16> first;
    std::optional<qint16> second;
    Field overflowed = Field::None;
};

// Reads the answer, then the first and the second operand, in that order.
Reading readAll(QStringView answer, QStringView first, QStringView second)
{
    Reading r;
    r.answer = readInt16(answer);
    r.first = readInt16(first);
    r.second = readInt16(second);
    if (!r.answer)
        r.overflowed = Field::Answer;
    else if (!r.first)
        r.overflowed = Field::First;
    else if (!r.second)
        r.overflowed = Field::Second;
    if (r.overflowed != Field::None)
        r.first = r.second = std::nullopt;
    return r;
}

Judgement overflow(Field field, const Reading &r = {})
{
    return {Verdict::Overflow, r.first, r.second, field};
}

} // namespace

Judgement judgeOperation(Operation operation, QStringView answer, QStringView first, QStringView second, bool zeroGuard)
{
    const Reading r = readAll(answer, first, second);
    if (r.overflowed != Field::None)
        return overflow(r.overflowed);
    if (zeroGuard && (*r.first == 0 || *r.second == 0))
        return {Verdict::ZeroOperand, r.first, r.second};
    const auto correct = correctResult(operation, *r.first, *r.second);
    if (!correct)
        return overflow(Field::None, r);
    return {*r.answer == *correct ? Verdict::Right : Verdict::Wrong, r.first, r.second};
}

Judgement judgeDivision(QStringView quotient, QStringView first, QStringView second,
                        std::optional<QStringView> remainder)
{
    const Reading r = readAll(quotient, first, second);
    if (r.overflowed != Field::None)
        return overflow(r.overflowed);
    if (*r.first == 0 || *r.second == 0)
        return {Verdict::ZeroOperand, r.first, r.second};
    const auto correct = correctDivision(*r.first, *r.second);
    if (!correct)
        return overflow(Field::None, r);
    bool right = *r.answer == correct->quotient;
    if (remainder) {
        const auto pupilsRemainder = readInt16(*remainder);
        if (!pupilsRemainder)
            return overflow(Field::Remainder, r);
        right = right && *pupilsRemainder == correct->remainder;
    }
    return {right ? Verdict::Right : Verdict::Wrong, r.first, r.second};
}

} // namespace kalyxteron
