// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pupil waits for inside the program, measured in-process on the Qt
// platform in use (offscreen, or a real X server) with the real message boxes
// (answered as soon as they are painted) and the real beep:
//   - a hand-over into each screen, its first visit and the later ones: the old
//     screen closed and gone, the new one built, loaded, shown and its first
//     frame painted, or for a screen that greets with a message box, the box
//     painted;
//   - a right answer: from the press of "Έλεγχος" until the mascot is painted;
//   - printing a diploma to a PDF file through the program's own page painter.
//   inprocess [RUNS [WHERE]]      WHERE names the display in the heading
#include "figures.h"
#include "tools/quietplatform.h"

#include "shell/desktop/desktopplatform.h"
#include "shell/platform.h"
#include "shell/printing/page.h"
#include "shell/widgets/application.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/picturebox.h"
#include "shell/widgets/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
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
constexpr int kPrintRunsDivisor = 4; // a print takes far longer: fewer of them
constexpr int kLongestWaitMs = 5000; // for a first frame that never comes
constexpr double kHandOverGoalMs = 10.0;
constexpr double kRightAnswerGoalMs = 5.0;
constexpr double kNanosecondsPerMillisecond = 1e6;

// A tour of every screen, each reached from the one before it; home comes last, so that its
// first visit is a hand-over like every other one.
const std::array kTour{ScreenId::GradeA,        ScreenId::GradeB,   ScreenId::GradesCtoF, ScreenId::Instructions,
                       ScreenId::Credits,       ScreenId::Game,     ScreenId::Diploma0,   ScreenId::Diploma1,
                       ScreenId::Diploma2,      ScreenId::Diploma4, ScreenId::Diploma5,   ScreenId::Diploma6,
                       ScreenId::MascotDiploma, ScreenId::Home};
static_assert(kTour.size() == kScreenCount);

const std::array kDiplomas{ScreenId::Diploma0, ScreenId::Diploma1, ScreenId::Diploma2,
                           ScreenId::Diploma4, ScreenId::Diploma5, ScreenId::Diploma6};

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / kNanosecondsPerMillisecond;
}

// Notes when a widget of a chosen kind, or of a chosen window, is painted, and when a message
// box is: that is what a pupil sees first of a screen that greets with one. The box is then
// answered, as a pupil would.
class PaintWatch : public QObject {
public:
    std::function<bool(QWidget *)> wanted;
    bool painted = false;
    QElapsedTimer *timer = nullptr; // the hand-over being timed
    double boxShownMs = -1;         // when its first box was painted

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        if (auto *box = qobject_cast<QMessageBox *>(widget->window())) {
            if (timer && boxShownMs < 0)
                boxShownMs = elapsedMs(*timer);
            QMetaObject::invokeMethod(box, &QDialog::accept, Qt::QueuedConnection);
        } else if (!painted && wanted && wanted(widget)) {
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

// Real message boxes and the real beep; the rest quiet.
class ShowingPlatform : public QuietPlatform {
public:
    void messageBox(const QString &text) override { m_desktop.messageBox(text); }
    void beep() override { m_desktop.beep(); }

private:
    DesktopPlatform m_desktop;
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

/// One hand-over from the screen on show to `to`, until the old one is deleted and the new one
/// painted; for a screen that greets with a message box, until the box is painted.
double timeHandOver(ScreenId to)
{
    Screen *from = currentScreen();
    g_watch->painted = false;
    g_watch->wanted = [](QWidget *w) { return w->window() == currentScreen(); };
    QElapsedTimer timer;
    timer.start();
    g_watch->timer = &timer;
    g_watch->boxShownMs = -1;
    handOver(from, to);
    g_watch->waitForPaint();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_watch->timer = nullptr;
    const double ms = g_watch->boxShownMs >= 0 ? g_watch->boxShownMs : elapsedMs(timer);
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
    if (!paintFormOnPrinter(screen->clientArea(), printer))
        throw std::runtime_error("the diploma could not be printed");
    const double ms = elapsedMs(timer);
    bytes = QFileInfo(path).size();
    return ms;
}

struct Visits {
    double first = 0;
    std::vector<double> later;
};

/// Every screen's first visit and later ones, then the worst of each.
void handOverTable(const std::array<Visits, kScreenCount> &visits)
{
    std::printf("Hand-over into each screen (old screen closed and deleted, new one built, loaded, shown and\n"
                "painted, or its greeting box painted), from the screen before it in a tour of all fourteen:\n");
    std::printf("  %-16s %-12s %-30s\n", "screen", "first visit", "later visits");
    double worstFirst = 0, worstLater = 0;
    ScreenId worstFirstId = ScreenId::Home, worstLaterId = ScreenId::Home;
    std::vector<double> allLater;
    std::size_t firstOver = 0;
    for (ScreenId id : kTour) {
        const Visits &v = visits[std::size_t(id)];
        const Summary later = summarize(v.later);
        std::printf("  %-16s %-12.2f %-30s\n", qPrintable(screenName(id)), v.first, format(later, "%.2f").c_str());
        if (v.first > worstFirst)
            worstFirst = v.first, worstFirstId = id;
        if (later.max > worstLater)
            worstLater = later.max, worstLaterId = id;
        firstOver += v.first >= kHandOverGoalMs;
        allLater.insert(allLater.end(), v.later.begin(), v.later.end());
    }
    const Summary later = summarize(allLater);
    const auto laterOver =
        std::count_if(allLater.begin(), allLater.end(), [](double ms) { return ms >= kHandOverGoalMs; });
    std::printf("  worst first visit %.2f ms (%s), %zu of %d over %.0f ms\n", worstFirst,
                qPrintable(screenName(worstFirstId)), firstOver, kScreenCount, kHandOverGoalMs);
    std::printf(
        "  later visits: median %.2f ms, worst %.2f ms (%s), %td of %zu over %.0f ms;  goal: median < %.0f ms %s\n",
        later.median, worstLater, qPrintable(screenName(worstLaterId)), laterOver, later.runs, kHandOverGoalMs,
        kHandOverGoalMs, verdict(later.median < kHandOverGoalMs));
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
    ShowingPlatform showing;
    setPlatform(&showing);
    PaintWatch watch;
    g_watch = &watch;
    app.installEventFilter(&watch);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    const char *where = argc > 2 ? argv[2] : "offscreen";

    try {
        std::vector<double> rightAnswer, print;
        std::array<Visits, kScreenCount> visits;
        open(ScreenId::Home);
        for (int round = 0; round < runs; ++round) {
            for (ScreenId id : kTour) {
                const double ms = timeHandOver(id);
                if (round == 0)
                    visits[std::size_t(id)].first = ms;
                else
                    visits[std::size_t(id)].later.push_back(ms);
            }
        }
        for (int i = 0; i < runs; ++i)
            rightAnswer.push_back(timeRightAnswer());
        QTemporaryDir folder;
        qint64 bytes = 0;
        for (int i = 0; i < std::max(1, runs / kPrintRunsDivisor); ++i)
            print.push_back(timePrint(kDiplomas[std::size_t(i) % kDiplomas.size()],
                                      folder.filePath(QStringLiteral("diploma%1.pdf").arg(i)), bytes));

        std::printf("In-process, %s (Qt platform: %s), the real message boxes and beep;\n"
                    "each figure: median [min .. max] in ms\n\n",
                    where, qPrintable(QGuiApplication::platformName()));
        handOverTable(visits);
        std::printf("Right answer:\n");
        row("  press of the check to mascot painted", rightAnswer, kRightAnswerGoalMs);
        std::printf("  (the first one, with the first beep: %.2f ms)\n", rightAnswer.front());
        std::printf("Printing:\n");
        row("  a diploma to a landscape PDF", print, 0);
        std::printf("  (last PDF: %lld KiB)\n", static_cast<long long>(bytes / 1024));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "inprocess: %s\n", error.what());
        return 1;
    }
    return 0;
}
