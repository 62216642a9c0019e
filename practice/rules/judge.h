// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "practice/rules/arithmetic.h"

#include <QStringView>

#include <optional>

// Judging a pupil's answer from the texts of the fields, as a check does:
// every text is read as a 16-bit number, the correct result is worked out in
// 16-bit arithmetic, and anything that does not fit is refused, not wrapped.
namespace kalyxteron {

enum class Verdict {
    Right,
    Wrong,
    ZeroOperand, // an operand is 0 where the screen divides or guards against it
    Overflow,    // a text or a result beyond -32768 to 32767
};

enum class Field { None, Answer, First, Second, Remainder };

struct Judgement {
    Verdict verdict;
    std::optional<qint16> first;  // the operands as read, to be written back;
    std::optional<qint16> second; // empty when an earlier text overflowed
    Field overflowed = Field::None;
};

/// The sum, difference or product check. `zeroGuard` refuses a zero operand.
Judgement judgeOperation(Operation operation, QStringView answer, QStringView first, QStringView second,
                         bool zeroGuard);

/// The division check: always guards against a zero operand; the remainder is judged too when there
/// is a remainder field.
Judgement judgeDivision(QStringView quotient, QStringView first, QStringView second,
                        std::optional<QStringView> remainder);

} // namespace kalyxteron
