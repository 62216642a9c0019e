// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakeplatform.h"

#include "shell/widgets/screen.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace kalyxteron::test {

namespace {
QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform warns each time a window's size hints change; that says nothing about
// the program and would drown the test's own messages.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}
} // namespace

FakePlatform::FakePlatform()
{
    setPlatform(this);
    g_previousHandler = qInstallMessageHandler(quietHandler);
}

FakePlatform::~FakePlatform()
{
    closeAllScreens();
    qInstallMessageHandler(g_previousHandler);
    setPlatform(nullptr);
}

void FakePlatform::messageBox(const QString &text)
{
    messages << text;
    log << QStringLiteral("message: ") + text;
    screensAtMessage.push_back(visibleScreens());
    if (onMessage)
        onMessage(text);
}

void FakePlatform::beep()
{
    ++beeps;
    log << QStringLiteral("beep");
    screensAtBeep.push_back(visibleScreens());
}

void FakePlatform::say(const QString &words)
{
    spoken << words;
    log << QStringLiteral("speak: ") + words;
}

void FakePlatform::silence()
{
    log << QStringLiteral("stop speaking");
}

void FakePlatform::endProgram()
{
    ++ends;
    log << QStringLiteral("end");
}

QString FakePlatform::printForm(QWidget *clientArea)
{
    printed.emplace_back(clientArea->window());
    log << QStringLiteral("print: ") + clientArea->window()->objectName();
    QHash<QString, QString> texts;
    for (const QLabel *shown : clientArea->findChildren<QLabel *>())
        texts.insert(shown->objectName(), shown->text());
    for (const QLineEdit *typed : clientArea->findChildren<QLineEdit *>())
        texts.insert(typed->objectName(), typed->text());
    texts.remove(QString()); // the parts of a control, which have no name of their own
    printedTexts.push_back(texts);
    screensAtPrint.push_back(visibleScreens());
    return printOutcome;
}

double FakePlatform::secondsSinceMidnight()
{
    return seconds;
}

double FakePlatform::dayFraction()
{
    return fraction;
}

QString FakePlatform::shortDate()
{
    return date;
}

void FakePlatform::randomize(double seed)
{
    seeds.push_back(seed);
    if (onReseed)
        onReseed();
}

double FakePlatform::rnd()
{
    if (m_uniform.empty())
        return uniformSource ? uniformSource() : fallbackUniform;
    const double value = m_uniform.front();
    m_uniform.pop_front();
    return value;
}

void FakePlatform::scriptDraws(int n, std::initializer_list<int> values)
{
    for (int value : values)
        m_uniform.push_back(uniformFor(value, n));
}

void FakePlatform::useRandomDraws(unsigned seed)
{
    m_generator.seed(seed);
    uniformSource = [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(m_generator); };
}

void FakePlatform::forget()
{
    messages.clear();
    log.clear();
    spoken.clear();
    screensAtMessage.clear();
    screensAtBeep.clear();
    seeds.clear();
    beeps = 0;
    ends = 0;
    printed.clear();
    printedTexts.clear();
    screensAtPrint.clear();
}

QStringList visibleScreens()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && qobject_cast<Screen *>(w))
            names << w->objectName();
    }
    return names;
}

namespace {
QString entryText(const QAction *action)
{
    return action->objectName() + u':' + (action->isSeparator() ? QStringLiteral("-") : action->text());
}
} // namespace

QString menuOf(QWidget *screen)
{
    QStringList bar;
    const auto *window = qobject_cast<QMainWindow *>(screen);
    for (QAction *action : window->menuBar()->actions()) {
        if (QMenu *list = action->menu()) {
            QStringList entries;
            for (QAction *entry : list->actions())
                entries << entryText(entry);
            bar << list->objectName() + u':' + list->title() + u'[' + entries.join(QStringLiteral(", ")) + u']';
        } else {
            bar << entryText(action);
        }
    }
    return bar.join(QStringLiteral(" | "));
}

void closeAllScreens()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *screen = qobject_cast<Screen *>(w))
            screen->closeForHandOver();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double uniformFor(int value, int n)
{
    return (value + 0.5) / n;
}

} // namespace kalyxteron::test
