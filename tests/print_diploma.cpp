// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints a diploma through the real desktop platform, as a pupil would:
//   print_diploma [--unfocused] [--expect-kept BEGINNING] SCREEN SCHOOL PUPIL
// opens the diploma SCREEN (such as dimploma1) as the active window, waits for
// its timer to write the date, clicks on the school's dotted line and types
// SCHOOL key by key, clicks on the pupil's dotted line and types PUPIL, and at
// once chooses "Εκτύπωση Διπλώματος" with the pupil's field focused, its caret
// on; with --unfocused, after taking the focus away. It writes "date: <the
// date shown>" on standard output, and fails if the date never showed, if any
// message box appeared (a failed print says so in one), or if the diploma did
// not stay open as typed. With --expect-kept BEGINNING it fails unless the one
// message box begins so and names a PDF that was kept, whose path it writes as
// "kept: <path>". It writes how long printing took as "took: <milliseconds>".
#include "shell/logic/screenid.h"
#include "shell/widgets/application.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/screen.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

using namespace kalyxteron;

// Waits for the window and the date (its timer writes it after one second): a hang, not a slow machine.
constexpr int kDateWaitMs = 60000;
constexpr int kBoxCheckMs = 200;

std::optional<ScreenId> screenNamed(const QString &name)
{
    for (int i = 0; i < kScreenCount; ++i) {
        if (screenName(ScreenId(i)) == name)
            return ScreenId(i);
    }
    return std::nullopt;
}

int fail(const QString &why)
{
    std::fprintf(stderr, "print_diploma: %s\n", qPrintable(why));
    return 1;
}

// A click on the dotted line, then the text key by key.
void clickAndType(QLineEdit *field, const QString &text)
{
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    QStringList args = QApplication::arguments().mid(1);
    const bool unfocused = args.removeAll(QStringLiteral("--unfocused")) > 0;
    QString expectKept;
    if (const qsizetype at = args.indexOf(QStringLiteral("--expect-kept")); at >= 0 && at + 1 < args.size()) {
        expectKept = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 3)
        return fail(QStringLiteral("usage: print_diploma [--unfocused] [--expect-kept BEGINNING] SCREEN SCHOOL PUPIL"));
    const std::optional<ScreenId> id = screenNamed(args[0]);
    if (!id)
        return fail(QStringLiteral("no screen named %1").arg(args[0]));
    const QString &schoolName = args[1];
    const QString &pupilName = args[2];

    // A message box would wait for a pupil; note its text and close it.
    QStringList boxes;
    QTimer boxWatch;
    QObject::connect(&boxWatch, &QTimer::timeout, [&boxes] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->accept();
        }
    });
    boxWatch.start(kBoxCheckMs);

    handOver(nullptr, *id);
    Screen *diploma = currentScreen();
    if (!diploma)
        return fail(QStringLiteral("%1 did not open").arg(args[0]));
    auto *school = diploma->findChild<QLineEdit *>(QStringLiteral("txtschool"));
    auto *name = diploma->findChild<QLineEdit *>(QStringLiteral("Text2"));
    auto *date = diploma->findChild<QLabel *>(QStringLiteral("lbldater"));
    auto *print = diploma->findChild<QAction *>(QStringLiteral("ektiposi"));
    if (!school || !name || !date || !print)
        return fail(QStringLiteral("%1 lacks txtschool, Text2, lbldater or ektiposi").arg(args[0]));
    diploma->activateWindow();
    if (!QTest::qWaitForWindowActive(diploma, kDateWaitMs))
        return fail(QStringLiteral("the diploma did not become the active window"));

    const QDeadlineTimer deadline(kDateWaitMs);
    while (date->text().isEmpty() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, kBoxCheckMs);
    if (date->text().isEmpty())
        return fail(QStringLiteral("the date did not show"));

    // Typed just before printing, so that the caret is on.
    clickAndType(school, schoolName);
    clickAndType(name, pupilName);
    if (!name->hasFocus())
        return fail(QStringLiteral("the pupil's field did not take the focus"));
    if (unfocused)
        name->clearFocus();
    QElapsedTimer took;
    took.start();
    print->trigger();
    std::printf("took: %lld\n", static_cast<long long>(took.elapsed()));
    QApplication::processEvents();
    if (!expectKept.isEmpty()) {
        if (boxes.size() != 1 || !boxes.front().startsWith(expectKept))
            return fail(QStringLiteral("the pupil was told: \"%1\", not \"%2...\"").arg(boxes.join(" | "), expectKept));
        // The path stands on the line after the one that says where.
        const QStringList lines = boxes.front().split(u'\n');
        const auto where =
            std::find_if(lines.begin(), lines.end(), [](const QString &line) { return line.endsWith(u':'); });
        const QString path = where != lines.end() && where + 1 != lines.end() ? *(where + 1) : QString();
        if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0)
            return fail(QStringLiteral("no PDF was kept at \"%1\"").arg(path));
        std::printf("kept: %s\n", qPrintable(path));
        boxes.clear();
    }
    if (!boxes.isEmpty())
        return fail(QStringLiteral("the pupil was told: \"%1\"").arg(boxes.join(QStringLiteral(" | "))));
    if (currentScreen() != diploma || !diploma->isVisible() || school->text() != schoolName ||
        name->text() != pupilName)
        return fail(QStringLiteral("the diploma did not stay open as it was typed"));

    std::printf("date: %s\n", qPrintable(date->text()));
    diploma->closeForHandOver();
    return 0;
}
