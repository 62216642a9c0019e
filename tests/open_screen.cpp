// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Starts the program on any one of its screens, with the real desktop platform:
//   open_screen [--titles] SCREEN
// so that a test from outside can reach a screen that takes a pupil a long way
// (a diploma, and from it the game). Everything else is the program as it is.
// On the game it writes "year: <year>" on standard output after each draw of a
// mascot: the year a pupil would know, which the screen keeps out of sight.
// With --titles it writes, once the screen is on the display, "caption: " and
// the screen's caption, then "title: " and the title its window is given, and ends.
#include "shell/logic/screenid.h"
#include "shell/widgets/application.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/screen.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

using namespace kalyxteron;

constexpr int kWatchIntervalMs = 50;

int fail(const QString &why)
{
    std::fprintf(stderr, "open_screen: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    app.setQuitOnLastWindowClosed(false); // as the program itself: no window for a moment at each hand-over
    QStringList args = QApplication::arguments();
    const bool titles = args.removeAll(QStringLiteral("--titles")) > 0;
    if (args.size() != 2)
        return fail(QStringLiteral("usage: open_screen [--titles] SCREEN"));
    int id = 0;
    while (id < kScreenCount && screenName(ScreenId(id)) != args[1])
        ++id;
    if (id == kScreenCount)
        return fail(QStringLiteral("no screen named %1").arg(args[1]));

    // Each game screen that opens gets its draw button watched.
    QPointer<Screen> watched;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&watched] {
        Screen *screen = currentScreen();
        if (!screen || screen == watched || screen->id() != ScreenId::Game)
            return;
        watched = screen;
        auto *draw = screen->findChild<QPushButton *>(QStringLiteral("cmdrandom"));
        auto *year = screen->findChild<QLineEdit *>(QStringLiteral("txta"));
        if (!draw || !year)
            return;
        QObject::connect(draw, &QPushButton::clicked, year, [year] {
            std::printf("year: %s\n", qPrintable(year->text()));
            std::fflush(stdout);
        });
    });
    watch.start(kWatchIntervalMs);

    QTimer titleWatch;
    QObject::connect(&titleWatch, &QTimer::timeout, [&titleWatch] {
        Screen *screen = currentScreen();
        const QWindow *window = screen ? screen->windowHandle() : nullptr;
        if (!window || !window->isExposed())
            return;
        titleWatch.stop();
        std::printf("caption: %s\ntitle: %s\n", qPrintable(screen->windowTitle()), qPrintable(window->title()));
        std::fflush(stdout);
        QApplication::quit();
    });
    if (titles)
        titleWatch.start(kWatchIntervalMs);

    QTimer::singleShot(0, [id] { handOver(nullptr, ScreenId(id)); });
    return QApplication::exec();
}
