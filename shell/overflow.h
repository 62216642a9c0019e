// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLineEdit;

namespace kalyxteron {

/// Refuses a number beyond -32768 to 32767 with the program's message, then takes the pupil to
/// the field to put right (when there is one). Nothing else changes.
void refuseOverflow(QLineEdit *fieldToFix = nullptr);

} // namespace kalyxteron
