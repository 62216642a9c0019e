// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QLineEdit;
class QWidget;

// A screen is drawn at one size, its design, with its controls where it puts them. On a
// smaller display or in a larger window the whole of it - places, faces, margins, borders -
// is set at one scale, so that it looks the same, only smaller or larger.
namespace kalyxteron {

/// The largest scale at which a design fits the room, its proportions kept (0 for no room).
double largestScale(QSize design, QSize room);

/// A design's rectangle at a scale. Its edges are rounded, not its size, so that controls
/// that touch or stand apart in the design still do.
QRect scaledRect(QRect design, double scale);

/// A style sheet with each of its pixel sizes at a scale; none falls to 0 that was not 0.
QString scaledStyleSheet(const QString &design, double scale);

/// Sets every control placed on `area` (and inside the plain frames placed there) to a scale
/// of its design: its place and size, its face, its margins and its style sheet. What each
/// control was at the design is read the first time, so this can be called again at any scale.
void scaleControls(QWidget *area, double scale);

} // namespace kalyxteron
