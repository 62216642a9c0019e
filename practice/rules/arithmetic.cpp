// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/rules/arithmetic.h"

#include "shell/logic/numeric.h"

namespace kalyxteron {

namespace {
std::optional<qint16> within16Bits(int value)
{
    if (value < kInt16Min || value > kInt16Max)
        return std::nullopt;
    return qint16(value);
}
} // namespace

std::optional<qint16> correctResult(Operation operation, qint16 first, qint16 second)
{
    switch (operation) {
    case Operation::Sum:
        return within16Bits(int(first) + int(second));
    case Operation::Difference:
        return within16Bits(int(first) - int(second));
    case Operation::Product:
        return within16Bits(int(first) * int(second));
    }
    return std::nullopt;
}

std::optional<Division> correctDivision(qint16 dividend, qint16 divisor)
{
    if (divisor == 0)
        return std::nullopt;
    const auto quotient = within16Bits(int(dividend) / int(divisor));
    if (!quotient)
        return std::nullopt;
    return Division{*quotient, qint16(int(dividend) % int(divisor))};
}

} // namespace kalyxteron
