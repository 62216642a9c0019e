// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/navigation.h"

#include "shell/platform.h"
#include "shell/widgets/screen.h"

#include <QGuiApplication>
#include <QPointer>

namespace kalyxteron {

namespace {
QPointer<Screen> g_current;

// A screen opens as large as the one it follows: maximised or full screen stays so.
void show(ScreenId id, Qt::WindowStates carried = Qt::WindowNoState)
{
    Screen *next = createScreen(id);
    if (!next)
        return;
    g_current = next;
    next->Form_Load();
    if (g_current == next && !next->isClosed()) {
        next->setWindowState(carried);
        next->show();
    }
}
} // namespace

void startUp()
{
    // Between two screens no window is open for a moment; that must not end the program,
    // however the application was set up.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        app->setQuitOnLastWindowClosed(false);
    show(ScreenId::Home);
}

void handOver(Screen *from, ScreenId to)
{
    const Qt::WindowStates carried =
        from ? from->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen) : Qt::WindowNoState;
    if (from && !from->isClosed())
        from->closeForHandOver();
    if (g_current == from)
        g_current = nullptr;
    show(to, carried);
}

void plainExit()
{
    platform().beep();
    platform().endProgram();
}

void closingExit(Screen *from)
{
    from->closeForHandOver();
    if (g_current == from)
        g_current = nullptr;
    platform().beep();
    platform().endProgram();
}

Screen *currentScreen()
{
    if (g_current && g_current->isClosed())
        return nullptr;
    return g_current;
}

} // namespace kalyxteron
