// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSizeF>
#include <QStringList>

class QFont;
class QFontMetricsF;
class QLineEdit;
class QWidget;

// How a typed name is set in its field's room, on paper and on screen.
namespace kalyxteron {

/// The smallest size, in points on an A4 page, a typed name is ever printed at: its capitals
/// are then about 3.2 mm high in the diploma's hand, which a child reads at arm's length.
inline constexpr double kLeastPrintedPoints = 16;

/// A text as it is set in a field's room: its lines, and the share of the field's face they take.
struct TextSetting {
    QStringList lines;
    double share = 1.0;
};

/// Sets a text in a room: on one line at its face's size where it fits; else on two lines,
/// broken at the blank that balances them, where that sets it larger; and only then smaller.
TextSetting setInRoom(const QString &text, const QFontMetricsF &face, QSizeF room);

/// The share of a field's face that prints at kLeastPrintedPoints, the client area it stands on
/// filling an A4 page (at most 1: a face smaller than that is printed as it is).
double leastPrintedShare(const QLineEdit &field, const QFont &face, const QWidget *area);

} // namespace kalyxteron
