// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakeplatform.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/screen.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kalyxteron::test {

/// How long a test waits for something the event loop brings (a hand-over, a timer's tick): a
/// hang, never a busy machine's slowness (QTRY_*'s own five seconds can be).
inline constexpr int kEventWithinMs = 60000;

/// A control of the screen on show, by name; fails the test if absent.
template <typename T>
T *control(const char *name)
{
    Screen *screen = currentScreen();
    if (!screen)
        qFatal("no screen on show while looking for %s", name);
    T *found = screen->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s", qPrintable(screen->objectName()), name);
    return found;
}

inline QLineEdit *field(const char *name)
{
    return control<QLineEdit>(name);
}
inline QLabel *label(const char *name)
{
    return control<QLabel>(name);
}
inline QPushButton *button(const char *name)
{
    return control<QPushButton>(name);
}
inline QAction *entry(const char *name)
{
    return control<QAction>(name);
}

inline void click(const char *name)
{
    button(name)->click();
}
inline void choose(const char *name)
{
    entry(name)->trigger();
}
inline void type(const char *name, const QString &text)
{
    field(name)->setText(text);
}

inline QString onShow()
{
    Screen *screen = currentScreen();
    return screen ? screen->objectName() : QString();
}

/// Opens a screen from scratch, as a hand-over would.
inline void open(ScreenId id)
{
    handOver(currentScreen(), id);
}

/// Makes the screen on show the active window, as it is on a desktop.
inline bool activate()
{
    Screen *screen = currentScreen();
    screen->activateWindow();
    return QTest::qWaitForWindowActive(screen, kEventWithinMs);
}

/// The names of the controls with these names that are visible on the screen on show.
inline QStringList visibleOf(const QStringList &names)
{
    QStringList visible;
    for (const QString &name : names) {
        auto *w = currentScreen()->findChild<QWidget *>(name);
        if (w && w->isVisibleTo(currentScreen()))
            visible << name;
    }
    return visible;
}

} // namespace kalyxteron::test
