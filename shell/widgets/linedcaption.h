// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QPushButton>

namespace kalyxteron {

// A label whose caption keeps its runs of blanks as they stand (text() returns
// it whole) but shows one line per run-separated piece, each piece wrapped
// within the label's width if it is too long.
class LinedLabel : public QLabel {
    Q_OBJECT
public:
    LinedLabel(QWidget *parent, const char *name, const QString &caption, QRect geometry);
    QStringList lines() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The same for a button's caption: one line per piece, centred on the button.
class LinedButton : public QPushButton {
    Q_OBJECT
public:
    LinedButton(QWidget *parent, const char *name, const QString &caption, QRect geometry);
    QStringList lines() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kalyxteron
