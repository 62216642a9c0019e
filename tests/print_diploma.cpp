// Prints a diploma through the real desktop platform, as a pupil would:
//   print_diploma SCREEN PUPIL_NAME
// opens the diploma SCREEN (such as dimploma1), types PUPIL_NAME into it, waits
// for its timer to write the date, and chooses "Εκτύπωση Διπλώματος". It writes
// "date: <the date shown>" on standard output, and fails if the date never
// showed, if any message box appeared (a failed print says so in one), or if
// the diploma did not stay open.
#include "shell/application.h"
#include "shell/navigation.h"
#include "shell/screen.h"
#include "shell/screenid.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

using namespace kalyxteron;

constexpr int kDateWaitMs = 5000;    // the timer writes the date after one second
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    const QStringList args = QApplication::arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: print_diploma SCREEN PUPIL_NAME"));
    const std::optional<ScreenId> id = screenNamed(args[1]);
    if (!id)
        return fail(QStringLiteral("no screen named %1").arg(args[1]));

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
        return fail(QStringLiteral("%1 did not open").arg(args[1]));
    auto *name = diploma->findChild<QLineEdit *>(QStringLiteral("Text2"));
    auto *date = diploma->findChild<QLabel *>(QStringLiteral("lbldater"));
    auto *print = diploma->findChild<QAction *>(QStringLiteral("ektiposi"));
    if (!name || !date || !print)
        return fail(QStringLiteral("%1 lacks Text2, lbldater or ektiposi").arg(args[1]));
    name->setText(args[2]);

    const QDeadlineTimer deadline(kDateWaitMs);
    while (date->text().isEmpty() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, kBoxCheckMs);
    if (date->text().isEmpty())
        return fail(QStringLiteral("the date did not show"));

    print->trigger();
    QApplication::processEvents();
    if (!boxes.isEmpty())
        return fail(QStringLiteral("a message box appeared: %1").arg(boxes.join(QStringLiteral(" | "))));
    if (currentScreen() != diploma || !diploma->isVisible() || name->text() != args[2])
        return fail(QStringLiteral("the diploma did not stay open as it was"));

    std::printf("date: %s\n", qPrintable(date->text()));
    diploma->closeForHandOver();
    return 0;
}
