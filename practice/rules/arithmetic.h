// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <optional>

// The correct results of the exercises, in 16-bit arithmetic: a result that
// does not fit in -32768 to 32767 is empty, never wrapped.
namespace kalyxteron {

enum class Operation { Sum, Difference, Product };

struct Division {
    qint16 quotient;
    qint16 remainder;
    friend bool operator==(const Division &, const Division &) = default;
};

/// first + second, first - second or first * second; empty on overflow.
std::optional<qint16> correctResult(Operation operation, qint16 first, qint16 second);

/// Division truncating toward zero; the remainder is 0 or has the dividend's sign.
/// Empty for a zero divisor and for -32768 / -1, whose quotient does not fit.
std::optional<Division> correctDivision(qint16 dividend, qint16 divisor);

} // namespace kalyxteron
