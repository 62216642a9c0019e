// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small helpers that put named controls on a screen's client area.
namespace kalyxteron {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect geometry);
QLineEdit *addField(QWidget *parent, const char *name, QRect geometry);
QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, QRect geometry);

/// The program's plain face, with Greek, at a point size.
QFont plainFont(int pointSize, bool bold = false, bool italic = false);
/// A calligraphic face with Greek: URW's chancery where present, else Monotype Corsiva, else a
/// slanted serif at a smaller size that takes about the same room.
QFont calligraphicFont(int pointSize, bool bold = false);
/// A serif face, for the mascots' stories.
QFont serifFont(int pointSize, bool bold = false, bool italic = false);

/// Sets the text and background colours of a control (the background only where it paints one).
/// Disabled, the control and those inside it keep the style's faded text.
void setColours(QWidget *widget, const QColor &text, const QColor &background = QColor());

/// Where a field's text stands: its inside less its text margins and the line edit's own.
QRect textRect(const QLineEdit &field);

} // namespace kalyxteron
