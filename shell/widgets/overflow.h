// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLineEdit;

namespace kalyxteron {

/// What did not fit in -32768 to 32767: a number as typed, or the result of numbers that fit.
enum class Overflow { TypedNumber, Result };

/// Refuses it with the program's message for it, then takes the pupil (or the teacher) to the
/// field to put right, when there is one. Nothing else changes.
void refuseOverflow(QLineEdit *fieldToFix = nullptr, Overflow what = Overflow::TypedNumber);

} // namespace kalyxteron
