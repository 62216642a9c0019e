// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/rules/problems.h"

#include "shell/logic/randomdraw.h"

namespace kalyxteron {

namespace {
constexpr int kGradeADraw = 21;       // operands 0 ... 20
constexpr int kOtherGradesDraw = 100; // operands 0 ... 99
constexpr int kGradeALimit = 20;      // largest sum and product on grade A
constexpr int kGradeBLimit = 100;
constexpr int kGradesCtoFLimit = 144;
constexpr int kTen = 10;
} // namespace

bool suitsGrade(Grade grade, OperandPair p)
{
    const int a = p.first;
    const int b = p.second;
    switch (grade) {
    case Grade::A:
        return a >= 1 && b >= 1 && a >= b && (a % kTen) + (b % kTen) <= kTen && a + b <= kGradeALimit &&
               a * b <= kGradeALimit;
    case Grade::B:
        return a >= 2 && b >= 2 && a >= b && a % b == 0 && a + b <= kGradeBLimit && a * b <= kGradeBLimit;
    case Grade::CtoF:
        return a >= 2 && b >= 2 && a >= b && a + b <= kGradesCtoFLimit && a * b <= kGradesCtoFLimit;
    }
    return false;
}

OperandPair drawProblem(Grade grade, const std::function<double()> &uniform)
{
    const int n = grade == Grade::A ? kGradeADraw : kOtherGradesDraw;
    for (;;) {
        const int a = drawOf(n, uniform());
        int b = drawOf(n, uniform());
        if (grade == Grade::CtoF) {
            // Grades C to F keep the first operand and draw the second again while it is 0 or 1.
            if (a <= 1)
                continue;
            while (b <= 1)
                b = drawOf(n, uniform());
        }
        if (suitsGrade(grade, {a, b}))
            return {a, b};
    }
}

} // namespace kalyxteron
