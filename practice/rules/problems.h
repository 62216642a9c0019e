// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// The random problems: which operand pairs suit each grade, and the draw that finds one.
namespace kalyxteron {

enum class Grade { A, B, CtoF };

struct OperandPair {
    int first;
    int second;
    friend bool operator==(const OperandPair &, const OperandPair &) = default;
};

/// Whether a pair meets the grade's conditions for a random problem.
bool suitsGrade(Grade grade, OperandPair pair);

/// Draws operands with the grade's redraw rules from a source of uniform values in [0, 1).
OperandPair drawProblem(Grade grade, const std::function<double()> &uniform);

} // namespace kalyxteron
