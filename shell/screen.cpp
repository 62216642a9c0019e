// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/screen.h"

#include "shell/application.h"
#include "shell/platform.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

namespace kalyxteron {

Screen::Screen(ScreenId id, const QString &caption, QSize clientSize)
    : m_id(id), m_client(new QWidget(this))
{
    setObjectName(screenName(id));
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(clientSize);
    setCentralWidget(m_client);
    menuBar()->setNativeMenuBar(false);
}

QMenu *Screen::addList(const char *name, const QString &caption)
{
    QMenu *list = menuBar()->addMenu(caption);
    list->setObjectName(QLatin1String(name));
    return list;
}

QAction *Screen::newCommand(QMenu *list, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    if (list)
        list->addAction(action);
    else
        menuBar()->addAction(action);
    return action;
}

void Screen::addSeparator(QMenu *list, const char *name)
{
    QAction *separator = list->addSeparator();
    separator->setObjectName(QLatin1String(name));
}

void Screen::closeForHandOver()
{
    m_handingOver = true;
    close();
}

void Screen::closeEvent(QCloseEvent *event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    m_closed = true;
    event->accept();
    // The window's own close control: this was the only screen, so the program ends, quietly.
    if (!m_handingOver)
        platform().endProgram();
}

} // namespace kalyxteron
