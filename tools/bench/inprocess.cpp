// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pupil waits for inside the program, measured in-process on the
// offscreen platform with a quiet platform (no boxes, no sound):
//   - a hand-over: the old screen closed and gone, the new one built, loaded,
//     shown and its first frame painted;
//   - a right answer: from the press of "Έλεγχος" until the mascot is painted;
//   - printing a diploma to a PDF file through the program's own page painter.
//   inprocess [RUNS]
#include "tools/quietplatform.h"
#include "figures.h"

#include "shell/application.h"
#include "shell/desktopplatform.h"
#include "shell/navigation.h"
#include "shell/picturebox.h"
#include "shell/platform.h"
#include "shell/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>

using namespace kalyxteron;
using namespace kalyxteron::bench;

namespace {

constexpr int kDefaultRuns = 40;
constexpr int kPrintRunsDivisor = 4;   // a print takes far longer: fewer of them
constexpr int kLongestWaitMs = 5000;   // for a first frame that never comes
constexpr double kHandOverGoalMs = 10.0;
constexpr double kRightAnswerGoalMs = 5.0;
constexpr double kNanosecondsPerMillisecond = 1e6;

const std::array kDiplomas{ScreenId::Diploma0, ScreenId::Diploma1, ScreenId::Diploma2,
                           ScreenId::Diploma4, ScreenId::Diploma5, ScreenId::Diploma6};


// Notes when a widget of a chosen kind, or of a chosen window, is painted.
class PaintWatch : public QObject {
public:
    std::function<bool(QWidget *)> wanted;
    bool painted = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted && wanted) {
            if (auto *widget = qobject_cast<QWidget *>(watched); widget && wanted(widget))
                painted = true;
        }
        return false;
    }

    void waitForPaint()
    {
        QElapsedTimer waited;
        waited.start();
        while (!painted) {
            QApplication::processEvents();
            if (waited.elapsed() > kLongestWaitMs)
                throw std::runtime_error("nothing was painted");
        }
    }
};

PaintWatch *g_watch = nullptr;
QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform says on every window that it cannot pass size hints on; nothing else is hidden.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_defaultHandler(type, context, message);
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / kNanosecondsPerMillisecond;
}

Screen *open(ScreenId id)
{
    handOver(currentScreen(), id);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Screen *screen = currentScreen();
    if (!screen || screen->id() != id)
        throw std::runtime_error("cannot open " + screenName(id).toStdString());
    return screen;
}

/// One hand-over from the screen on show to `to`, until the old one is deleted and the new one painted.
double timeHandOver(ScreenId to)
{
    Screen *from = currentScreen();
    g_watch->painted = false;
    g_watch->wanted = [](QWidget *w) { return w->window() == currentScreen(); };
    QElapsedTimer timer;
    timer.start();
    handOver(from, to);
    g_watch->waitForPaint();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const double ms = elapsedMs(timer);
    if (!currentScreen() || currentScreen()->id() != to)
        throw std::runtime_error("the hand-over to " + screenName(to).toStdString() + " showed nothing");
    return ms;
}

template <typename T>
T *child(Screen *screen, const char *name)
{
    T *found = screen->findChild<T *>(QLatin1String(name));
    if (!found)
        throw std::runtime_error(screen->objectName().toStdString() + " has no " + name);
    return found;
}

/// A right sum typed on a fresh practice screen, then the check, until the mascot is painted.
double timeRightAnswer()
{
    Screen *screen = open(ScreenId::GradesCtoF);
    child<QAbstractButton>(screen, "cmdteacher")->click();
    child<QLineEdit>(screen, "txtnum1")->setText(QStringLiteral("17"));
    child<QLineEdit>(screen, "txtnum2")->setText(QStringLiteral("5"));
    child<QLineEdit>(screen, "txtadd")->setText(QStringLiteral("22"));
    QApplication::processEvents();
    auto *check = child<QAbstractButton>(screen, "cmdchadd");
    g_watch->painted = false;
    g_watch->wanted = [](QWidget *w) {
        const auto *box = qobject_cast<PictureBox *>(w);
        return box && box->picturePath().startsWith(QLatin1String(":/pictures/mascots/"));
    };
    QElapsedTimer timer;
    timer.start();
    check->click();
    g_watch->waitForPaint();
    return elapsedMs(timer);
}

/// A filled-in diploma printed to a landscape PDF, as the program prints when there is no printer.
double timePrint(ScreenId diploma, const QString &path, qint64 &bytes)
{
    Screen *screen = open(diploma);
    child<QLineEdit>(screen, "txtschool")->setText(QStringLiteral("3ο Δημοτικό Σχολείο Καλαμάτας"));
    child<QLineEdit>(screen, "Text2")->setText(QStringLiteral("Μαρία Παπαδοπούλου"));
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!paintFormOnPrinter(screen->centralWidget(), printer))
        throw std::runtime_error("the diploma could not be printed");
    const double ms = elapsedMs(timer);
    bytes = QFileInfo(path).size();
    return ms;
}

void row(const char *what, const std::vector<double> &values, double goalMs)
{
    const Summary s = summarize(values);
    char goal[96] = "";
    if (goalMs > 0) {
        const auto over = std::count_if(values.begin(), values.end(), [goalMs](double v) { return v >= goalMs; });
        std::snprintf(goal, sizeof goal, "goal < %.0f ms %s (%td over)", goalMs, verdict(s.median < goalMs), over);
    }
    std::printf("%-40s %-30s %3zu runs  %s\n", what, format(s, "%.2f").c_str(), s.runs, goal);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(quietOffscreenNotes);
    QApplication app(argc, argv);
    setUpApplication();
    QuietPlatform quiet;
    setPlatform(&quiet);
    PaintWatch watch;
    g_watch = &watch;
    app.installEventFilter(&watch);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;

    try {
        std::vector<double> homeToA, aToHome, practiceToDiploma, diplomaToGame, rightAnswer, print;
        open(ScreenId::Home);
        for (int i = 0; i < runs; ++i) {
            homeToA.push_back(timeHandOver(ScreenId::GradeA));
            aToHome.push_back(timeHandOver(ScreenId::Home));
        }
        for (int i = 0; i < runs; ++i) {
            open(ScreenId::GradeA);
            practiceToDiploma.push_back(timeHandOver(kDiplomas[std::size_t(i) % kDiplomas.size()]));
            diplomaToGame.push_back(timeHandOver(ScreenId::Game));
        }
        for (int i = 0; i < runs; ++i)
            rightAnswer.push_back(timeRightAnswer());
        QTemporaryDir folder;
        qint64 bytes = 0;
        for (int i = 0; i < std::max(1, runs / kPrintRunsDivisor); ++i)
            print.push_back(timePrint(kDiplomas[std::size_t(i) % kDiplomas.size()],
                                      folder.filePath(QStringLiteral("diploma%1.pdf").arg(i)), bytes));

        std::printf("In-process, offscreen, quiet platform; each figure: median [min .. max] in ms\n\n");
        std::printf("Hand-over (old screen closed and deleted, new one built, loaded, shown and painted):\n");
        row("  home -> grade A", homeToA, kHandOverGoalMs);
        row("  grade A -> home", aToHome, kHandOverGoalMs);
        row("  grade A -> a diploma (all six in turn)", practiceToDiploma, kHandOverGoalMs);
        row("  diploma -> game", diplomaToGame, kHandOverGoalMs);
        std::printf("Right answer:\n");
        row("  press of the check to mascot painted", rightAnswer, kRightAnswerGoalMs);
        std::printf("Printing:\n");
        row("  a diploma to a landscape PDF", print, 0);
        std::printf("  (last PDF: %lld KiB)\n", static_cast<long long>(bytes / 1024));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "inprocess: %s\n", error.what());
        return 1;
    }
    return 0;
}
