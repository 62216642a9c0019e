// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drives the screens by touch, as a touch panel delivers a finger: touch events of a touch
// screen sent to the window, which Qt turns into the taps the controls take. For the tests and
// the screenshot tool.
#include "shell/widgets/keypad.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/screen.h"

#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <algorithm>

namespace kalyxteron::touch {

inline QPointingDevice *finger()
{
    static QPointingDevice *device = QTest::createTouchDevice();
    return device;
}

inline QPoint inWindow(const QWidget *widget, QPoint at)
{
    return widget->mapTo(widget->window(), at);
}

/// A finger put down and lifted at a point of a widget.
inline void tap(QWidget *widget, QPoint at)
{
    QWindow *window = widget->window()->windowHandle();
    const QPoint point = inWindow(widget, at);
    QTest::touchEvent(window, finger()).press(0, point, window);
    QTest::touchEvent(window, finger()).release(0, point, window);
}

inline void tap(QWidget *widget)
{
    tap(widget, widget->rect().center());
}

/// The pad on show on the screen on show, if any.
inline KeyPad *shownPad()
{
    if (!currentScreen())
        return nullptr;
    const QList<KeyPad *> pads = currentScreen()->findChildren<KeyPad *>();
    const auto shown = std::find_if(pads.begin(), pads.end(), [](const KeyPad *pad) { return pad->isVisible(); });
    return shown == pads.end() ? nullptr : *shown;
}

/// A key of the pad on show, by what its face shows or, for a key without a letter, by its name.
inline QPushButton *key(const QString &shown)
{
    KeyPad *pad = shownPad();
    if (!pad)
        return nullptr;
    for (QPushButton *button : pad->findChildren<QPushButton *>()) {
        if (button->text() == shown || button->accessibleName() == shown)
            return button;
    }
    return nullptr;
}

inline bool tapKey(const QString &shown)
{
    QPushButton *button = key(shown);
    if (button)
        tap(button);
    return button;
}

/// Types text on the pad on show, as a pupil does: Shift before a capital, the accent before a
/// vowel that takes one, then the key that shows the letter; '\b' is the erase key.
inline bool typeOnPad(const QString &text)
{
    for (QChar c : text) {
        bool done = true;
        if (c == u'\b') {
            done = tapKey(QStringLiteral("Σβήσιμο"));
        } else if (c == u' ') {
            done = tapKey(QStringLiteral("Κενό"));
        } else if (c == u'-' && !key(QStringLiteral("-"))) {
            done = tapKey(QStringLiteral("Μείον"));
        } else {
            const QString marks = QString(c).normalized(QString::NormalizationForm_D).mid(1);
            if (c.isUpper() && c.isLetter())
                done = tapKey(QStringLiteral("Κεφαλαία"));
            if (marks.contains(QChar(u'\u0308')))
                done = done && tapKey(QStringLiteral("Διαλυτικά"));
            if (marks.contains(QChar(u'\u0301')))
                done = done && tapKey(QStringLiteral("Τόνος"));
            done = done && tapKey(QString(c));
        }
        if (!done) {
            qWarning("no key for %s", qPrintable(QString(c)));
            return false;
        }
    }
    return true;
}

} // namespace kalyxteron::touch
