// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>

class QLineEdit;

// A field's text in its room: where it stands, and the face that lets it fit.
namespace kalyxteron {

/// Where a field's text stands: its inside less its text margins and the line edit's own.
QRect textRect(const QLineEdit &field);

/// A field's face, set smaller a step at a time until the field's text fits the room inside it,
/// but never below `least` of its size.
QFont faceFittingText(const QLineEdit &field, const QFont &face, double least);

/// Notes on the field whether its text fits it as it stands: done at its screen's design size.
void noteWhetherTextFits(QLineEdit &field);
/// Whether a field's text fitted it at the design (false until its screen is first scaled).
bool textFittedAtDesign(const QLineEdit &field);

/// A field that sets its own text's size, smaller than its face to show more of a long text.
class ShrinksItsText {
public:
    /// The face the text is written in (and printed in), before it is set smaller.
    virtual QFont face() const = 0;
    /// Sets the text's size for the field's room as it now stands.
    virtual void fitText() = 0;

protected:
    ~ShrinksItsText() = default;
};

} // namespace kalyxteron
