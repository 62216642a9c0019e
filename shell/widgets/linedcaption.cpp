// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/linedcaption.h"

#include "shell/logic/blankruns.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kalyxteron {

namespace {
QString joined(const QStringList &lines)
{
    return lines.join(u'\n');
}
} // namespace

LinedLabel::LinedLabel(QWidget *parent, const char *name, const QString &caption, QRect geometry)
    : QLabel(caption, parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setTextFormat(Qt::PlainText);
    setAccessibleName(joined(shownLines(caption)));
}

QStringList LinedLabel::lines() const
{
    return shownLines(text());
}

void LinedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = int(alignment() & Qt::AlignHorizontal_Mask) | Qt::TextWordWrap;
    int top = area.top();
    for (const QString &line : lines()) {
        const QRect bounds = painter.boundingRect(QRect(area.left(), top, area.width(), area.height()), flags, line);
        painter.drawText(QRect(area.left(), top, area.width(), bounds.height()), flags, line);
        top += bounds.height();
    }
}

LinedButton::LinedButton(QWidget *parent, const char *name, const QString &caption, QRect geometry)
    : QPushButton(caption, parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setAutoDefault(false);
    setAccessibleName(joined(shownLines(caption)));
}

QStringList LinedButton::lines() const
{
    return shownLines(text());
}

void LinedButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, joined(lines()));
}

} // namespace kalyxteron
