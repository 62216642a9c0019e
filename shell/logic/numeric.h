// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// How the program reads numbers from what a pupil types, and writes them back.
namespace kalyxteron {

inline constexpr int kInt16Min = -32768;
inline constexpr int kInt16Max = 32767;

/// The numeric value of a text: blanks, tabs and line feeds anywhere are ignored; an optional
/// sign, digits, an optional "." fraction and an optional exponent are read, stopping at the
/// first other character; a text with no leading number reads as 0.
/// Empty when the number is too large for a double (such as 1e400).
std::optional<double> numericValue(QStringView text);

/// The nearest integer, a tie going to the even neighbour; empty outside -32768 to 32767.
std::optional<qint16> toInt16(double value);

/// numericValue() then toInt16(): empty on any overflow.
std::optional<qint16> readInt16(QStringView text);

/// Decimal digits with a leading "-" for negatives, no blanks.
QString int16ToText(qint16 value);

/// A whole number as plain digits, anything else in its shortest exact form.
QString numberToText(double value);

} // namespace kalyxteron
