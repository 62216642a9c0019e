// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A pupil's hand on the real screens, without Qt Test: a tap on a control, and «OK» pressed on
// every message box that opens. For the programs that drive the screens against the real
// platform (the sound tests, the benchmark).
#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTimer>

#include <chrono>

namespace kalyxteron::pupil {

/// A tap as a screen gets it: the left button's press and release inside the control.
inline void tap(QWidget *control)
{
    const QPointF centre = QRectF(control->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, control->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &event);
    }
}

/// Presses «OK» on the message box on show, looking every EVERY, while the timer runs.
inline void pressOkOnEveryBox(QTimer &timer, std::chrono::milliseconds every)
{
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            box->accept();
    });
    timer.start(every);
}

} // namespace kalyxteron::pupil
