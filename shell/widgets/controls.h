// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
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

/// Sets the text and background colours of a control (the background only where it paints one).
/// Disabled, the control and those inside it keep the style's faded text.
void setColours(QWidget *widget, const QColor &text, const QColor &background = QColor());

} // namespace kalyxteron
