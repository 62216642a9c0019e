// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/screen.h"

#include "shell/logic/blankruns.h"
#include "shell/platform.h"
#include "shell/widgets/application.h"
#include "shell/widgets/scaling.h"
#include "shell/widgets/screenvoice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWindow>

#include <algorithm>

namespace kalyxteron {

namespace {

// Before a window manager has framed a first window, room is kept for a usual title bar.
constexpr QMargins kUsualFrame{4, 32, 4, 4};
QMargins g_frame = kUsualFrame; // the frame the window manager gave the last screen

} // namespace

Screen::Screen(ScreenId id, const QString &caption, QSize clientSize)
    : m_id(id), m_design(clientSize), m_stage(new QWidget(this)), m_client(new QWidget(m_stage))
{
    setObjectName(screenName(id));
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(QRect(QPoint(0, 0), clientSize));
    // Around a client area shown larger than the window's proportions allow, its own colour.
    m_stage->setAutoFillBackground(true);
    m_stage->setMinimumSize(clientSize);
    m_stage->installEventFilter(this);
    setCentralWidget(m_stage);
    menuBar()->setNativeMenuBar(false);
    auto *fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
    m_voice = new ScreenVoice(this);
}

void Screen::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        m_voice->listenToTexts();
        openWithinTheDisplay();
    }
    shortenTitleForTitleBar();
}

// The window opens at its design size where the display has room for it, framed and with
// its menu bar, and as large as fits, centred, where it has not.
void Screen::openWithinTheDisplay()
{
    m_stage->setPalette(m_client->palette());
    m_menuBarHeight = menuBar()->sizeHint().height();
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect room = platform().availableArea();
    const QSize clientRoom = room.size().shrunkBy(g_frame) - QSize(0, m_menuBarHeight);
    const double opening = std::min(1.0, largestScale(m_design, clientRoom));
    if (opening <= 0.0 || opening >= 1.0)
        return;
    const QSize client = scaledRect(QRect(QPoint(), m_design), opening).size();
    m_stage->setMinimumSize(client);
    layout()->activate(); // the window's least size is the client area's new one
    resize(client.width(), client.height() + m_menuBarHeight);
    const QSize framed = size().grownBy(g_frame);
    const QPoint corner(room.left() + (room.width() - framed.width()) / 2,
                        room.top() + (room.height() - framed.height()) / 2);
    move(corner);
    // That is where the frame goes, title bar and all. Before the window manager has framed the
    // window, Qt takes a position for its inside (and an X window manager puts the title bar
    // above the display) unless the window itself is told it is the frame's.
    if (QWindow *window = windowHandle())
        window->setFramePosition(corner);
}

bool Screen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_stage && event->type() == QEvent::Resize)
        placeClientArea();
    return QMainWindow::eventFilter(watched, event);
}

void Screen::placeClientArea()
{
    const double scale = largestScale(m_design, m_stage->size());
    if (scale <= 0.0)
        return;
    QRect shown = scaledRect(QRect(QPoint(), m_design), scale);
    shown.moveCenter(m_stage->rect().center());
    if (scale != m_scale) {
        m_scale = scale;
        scaleControls(m_client, scale);
    }
    m_client->setGeometry(shown);
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (const QWindow *window = windowHandle(); window && !window->frameMargins().isNull())
        g_frame = window->frameMargins();
    scaleMenus();
    shortenTitleForTitleBar();
}

// Qt's own title bars on Wayland set the caption centred, in a face of their own size, and clip
// what is wider than they are, which hides the mark or the beginning: there the run of blanks
// that pushes a screen's mark to the right is cut to what the bar holds. The screen's own
// caption (windowTitle(), what a screen reader is told) stays as it is.
void Screen::shortenTitleForTitleBar()
{
    constexpr int kTitlePixels = 14;       // the face of Qt's Wayland title bars
    constexpr int kTitleButtonsRoom = 110; // their buttons, on the right, and the space beside them
    QWindow *window = windowHandle();
    if (!window || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    QFont face = QGuiApplication::font();
    face.setPixelSize(kTitlePixels);
    const QFontMetrics metrics(face);
    // Centred, it must keep clear of the buttons on both sides.
    const int room = width() - 2 * kTitleButtonsRoom;
    window->setTitle(captionWithin(
        windowTitle(), room, [&metrics](QStringView text) { return metrics.horizontalAdvance(text.toString()); }));
}

// In a window larger than the design the menus grow with it, from the window's size alone,
// so that their height never changes the scale they were set from.
void Screen::scaleMenus()
{
    if (m_menuBarHeight <= 0)
        return;
    const double scale = std::max(1.0, largestScale(m_design + QSize(0, m_menuBarHeight), size()));
    if (scale == m_menuScale)
        return;
    m_menuScale = scale;
    QList<QWidget *> menus{menuBar()};
    for (QMenu *list : menuBar()->findChildren<QMenu *>())
        menus << list;
    for (QWidget *menu : menus) {
        QFont font = QApplication::font(menu);
        font.setPointSizeF(font.pointSizeF() * scale);
        menu->setFont(font);
    }
}

QMenu *Screen::addList(const char *name, const QString &caption)
{
    QMenu *list = menuBar()->addMenu(caption);
    list->setObjectName(QLatin1String(name));
    // Every separator shows where the list puts it, a leading one too.
    list->setSeparatorsCollapsible(false);
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

void Screen::speak(const QString &text)
{
    m_voice->say(text);
}

void Screen::tell(const QString &text)
{
    if (m_voice->asked())
        m_voice->say(text);
    platform().messageBox(text);
}

QString Screen::spokenText(const QWidget *control) const
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *field = qobject_cast<const QLineEdit *>(control))
        return withoutDottedLines(field->text());
    return control->accessibleName();
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
    // What the screen was saying goes with it.
    m_voice->stop();
    // The window's own close control: this was the only screen, so the program ends, quietly.
    if (!m_handingOver)
        platform().endProgram();
}

} // namespace kalyxteron
