// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace kalyxteron {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit *addField(QWidget *parent, const char *name, QRect geometry)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(geometry);
    return field;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
        // Disabled text keeps the style's faded colour, for this control and every one inside it,
        // so that a button that does nothing does not look as if it could be pressed.
        palette.setColor(QPalette::Disabled, role, QApplication::palette().color(QPalette::Disabled, role));
    }
    if (background.isValid()) {
        // Only the widget's own surface: children keep their usual field and button colours.
        const QPalette::ColorRole surface = qobject_cast<QLineEdit *>(widget)         ? QPalette::Base
                                            : qobject_cast<QAbstractButton *>(widget) ? QPalette::Button
                                                                                      : QPalette::Window;
        palette.setColor(surface, background);
        widget->setAutoFillBackground(surface == QPalette::Window);
    }
    widget->setPalette(palette);
}

} // namespace kalyxteron
