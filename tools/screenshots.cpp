// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders every screen of the program, as it looks when opened, into PNG files:
//   screenshots OUTPUT_FOLDER
// Run it with QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR=2 renders at double scale.
//   screenshots OUTPUT_FOLDER --desktop 1024x768
// shows each window with a title bar on a desktop of that size instead, opened to fit it,
// and fails if a window does not fit on it;
//   screenshots OUTPUT_FOLDER --maximised 1920x1080
// shows each window maximised on a desktop of that size, under its title bar;
//   screenshots OUTPUT_FOLDER --touch [--maximised WIDTHxHEIGHT]
// renders instead the program's own pads as a pupil at a touch panel opens them, by touch: the
// number pad on a practice screen and the Greek keyboard on a diploma.
#include "shell/platform.h"
#include "shell/widgets/application.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/screen.h"
#include "tools/quietplatform.h"
#include "tools/touchdriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMetaObject>
#include <QPainter>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {

using namespace kalyxteron;

QSize g_desktop;          // when set, windows are shown on a desktop of this size
bool g_maximised = false; // ... filling it

constexpr int kTitleBarHeight = 30; // a typical window manager's title bar

// The window as it stands on the desktop: a title bar with its caption above it, centred.
QPixmap onDesktop(QWidget *screen, const QPixmap &window, bool *fits)
{
    const QSize framed(window.width() / int(window.devicePixelRatio()),
                       window.height() / int(window.devicePixelRatio()) + kTitleBarHeight);
    *fits = framed.width() <= g_desktop.width() && framed.height() <= g_desktop.height();
    QPixmap desktop(g_desktop);
    desktop.fill(QColor(58, 110, 165));
    QPainter painter(&desktop);
    const QPoint corner((g_desktop.width() - framed.width()) / 2, (g_desktop.height() - framed.height()) / 2);
    const QRect title(corner, QSize(framed.width(), kTitleBarHeight));
    painter.fillRect(title, QColor(40, 40, 48));
    painter.setPen(Qt::white);
    painter.drawText(title.adjusted(36, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, screen->windowTitle());
    painter.drawPixmap(title.left() + 8, title.top() + 7, screen->windowIcon().pixmap(16, 16));
    painter.drawPixmap(QRect(corner + QPoint(0, kTitleBarHeight), framed - QSize(0, kTitleBarHeight)), window);
    if (!*fits) {
        painter.setPen(QPen(Qt::red, 6));
        painter.drawRect(desktop.rect().adjusted(3, 3, -3, -3));
    }
    return desktop;
}

bool save(QWidget *screen, const QDir &folder, const QString &name)
{
    if (g_maximised)
        screen->resize(g_desktop - QSize(0, kTitleBarHeight));
    QApplication::processEvents();
    QPixmap picture = screen->grab();
    bool fits = true;
    if (g_desktop.isValid())
        picture = onDesktop(screen, picture, &fits);
    const bool ok = picture.save(folder.filePath(name + QStringLiteral(".png"))) && fits;
    std::printf("%s %s%s\n", ok ? "wrote" : "FAILED", qPrintable(folder.filePath(name + QStringLiteral(".png"))),
                fits ? "" : " (the window does not fit on the desktop)");
    return ok;
}

// A screen's timers first fire a moment after it opens; run each handler once, as that moment
// would, so that what they show (the diplomas' date) is on the picture.
void runTimersOnce(QWidget *screen)
{
    for (const QTimer *timer : screen->findChildren<QTimer *>()) {
        const QByteArray handler = timer->objectName().toLatin1() + "_Timer";
        if (timer->isActive() && screen->metaObject()->indexOfSlot(handler + "()") >= 0)
            QMetaObject::invokeMethod(screen, handler.constData());
    }
}

void press(QWidget *screen, const char *name)
{
    if (auto *button = screen->findChild<QAbstractButton *>(QLatin1String(name)))
        button->click();
}

void type(QWidget *screen, const char *name, const QString &text)
{
    if (auto *field = screen->findChild<QLineEdit *>(QLatin1String(name)))
        field->setText(text);
}

// A screen made the active window at the size it is shown at, to be worked by touch.
void readyForTouch(Screen *screen)
{
    screen->show();
    if (g_maximised)
        screen->resize(g_desktop - QSize(0, kTitleBarHeight));
    screen->activateWindow();
    if (!QTest::qWaitForWindowActive(screen))
        std::printf("%s did not become the active window\n", qPrintable(screen->objectName()));
}

// The number pad beside the sum of a drawn problem, the sum typed on it; the Greek keyboard
// under a diploma's name, both names typed on it.
bool saveTouchScreens(const QDir &folder)
{
    bool ok = true;
    handOver(nullptr, ScreenId::GradesCtoF);
    if (Screen *screen = currentScreen()) {
        readyForTouch(screen);
        touch::tap(screen->findChild<QAbstractButton *>(QStringLiteral("cmdrand")));
        const int first = screen->findChild<QLineEdit *>(QStringLiteral("txtnum1"))->text().toInt();
        const int second = screen->findChild<QLineEdit *>(QStringLiteral("txtnum2"))->text().toInt();
        touch::tap(screen->findChild<QLineEdit *>(QStringLiteral("txtadd")));
        ok = touch::typeOnPad(QString::number(first + second)) && ok;
        ok = save(screen, folder, QStringLiteral("frmbase-number-pad")) && ok;
    }
    handOver(currentScreen(), ScreenId::Diploma1);
    if (Screen *screen = currentScreen()) {
        readyForTouch(screen);
        runTimersOnce(screen);
        touch::tap(screen->findChild<QLineEdit *>(QStringLiteral("txtschool")));
        ok = touch::typeOnPad(QStringLiteral("3ο Δημοτικό Σχολείο Καλαμάτας")) && ok;
        touch::tap(screen->findChild<QLineEdit *>(QStringLiteral("Text2")));
        ok = touch::typeOnPad(QStringLiteral("Μαρία Παπαδοπούλου")) && ok;
        ok = save(screen, folder, QStringLiteral("dimploma1-greek-keyboard")) && ok;
        screen->closeForHandOver();
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    const QStringList args = QApplication::arguments();
    const QDir folder(args.size() > 1 ? args[1] : QStringLiteral("screenshots"));
    for (const QString &option : {QStringLiteral("--desktop"), QStringLiteral("--maximised")}) {
        if (const qsizetype at = args.indexOf(option); at > 0 && at + 1 < args.size()) {
            const QStringList size = args[at + 1].split(u'x');
            g_desktop = QSize(size.value(0).toInt(), size.value(1).toInt());
            g_maximised = option == QStringLiteral("--maximised");
        }
    }
    QDir().mkpath(folder.path());
    QuietPlatform quiet;
    // The windows open on the desktop below the title bar drawn over them.
    if (g_desktop.isValid())
        quiet.area = QRect(0, kTitleBarHeight, g_desktop.width(), g_desktop.height() - kTitleBarHeight);
    setPlatform(&quiet);
    if (args.contains(QStringLiteral("--touch"))) {
        const bool ok = saveTouchScreens(folder);
        QApplication::processEvents();
        return ok ? 0 : 1;
    }

    bool ok = true;
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = ScreenId(i);
        Screen *screen = createScreen(id);
        if (!screen)
            continue;
        screen->show();
        runTimersOnce(screen);
        ok = save(screen, folder, screenName(id)) && ok;
        screen->closeForHandOver();
    }

    // A practice screen in use: a wrong sum with its warning, and a right one with its mascot and story.
    if (Screen *screen = createScreen(ScreenId::GradesCtoF)) {
        screen->show();
        press(screen, "cmdrand");
        type(screen, "txtadd", QStringLiteral("0"));
        press(screen, "cmdchadd");
        ok = save(screen, folder, QStringLiteral("frmbase-wrong-sum")) && ok;
        screen->closeForHandOver();
    }
    if (Screen *screen = createScreen(ScreenId::GradesCtoF)) {
        screen->show();
        press(screen, "cmdteacher");
        type(screen, "txtnum1", QStringLiteral("17"));
        type(screen, "txtnum2", QStringLiteral("5"));
        type(screen, "txtadd", QStringLiteral("22"));
        press(screen, "cmdchadd");
        ok = save(screen, folder, QStringLiteral("frmbase-right-sum")) && ok;
        screen->closeForHandOver();
    }
    // The game after a right year: the mascot, the reward sport and a praise word.
    if (Screen *screen = createScreen(ScreenId::Game)) {
        screen->show();
        press(screen, "cmdrandom");
        const auto *year = screen->findChild<QLineEdit *>(QStringLiteral("txta"));
        type(screen, "txtxronia", year ? year->text() : QString());
        press(screen, "cmdchk");
        ok = save(screen, folder, QStringLiteral("paixnidi-right-year")) && ok;
        screen->closeForHandOver();
    }
    // A diploma filled in with long names: shown smaller on screen, to show more of them.
    if (Screen *screen = createScreen(ScreenId::Diploma1)) {
        screen->show();
        runTimersOnce(screen);
        type(screen, "txtschool", QStringLiteral("Πειραματικό Σχολείο Αθηνών «Ιωάννης Καποδίστριας»"));
        type(screen, "Text2", QStringLiteral("Αικατερίνη-Μαργαρίτα Παπαδοπούλου-Χατζηγεωργίου"));
        ok = save(screen, folder, QStringLiteral("dimploma1-long-names")) && ok;
        screen->closeForHandOver();
    }
    QApplication::processEvents();
    return ok ? 0 : 1;
}
