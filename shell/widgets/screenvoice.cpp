// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/screenvoice.h"

#include "shell/appearance/palette.h"
#include "shell/platform.h"
#include "shell/widgets/picturebox.h"
#include "shell/widgets/screen.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>

#include <algorithm>

namespace kalyxteron {

namespace {

const QString kSpeakerName = QStringLiteral("Άκουσε τις οδηγίες");

// The texts a pupil may ask to hear: labels, fields and pictures (a button acts when pressed).
bool isText(const QObject *object)
{
    return qobject_cast<const QLabel *>(object) || qobject_cast<const QLineEdit *>(object) ||
           qobject_cast<const PictureBox *>(object);
}

// The speaker's proportions, in its own units: a box, a cone and two waves.
constexpr double kUnits = 24;
constexpr QRectF kBox{3, 9, 5, 6};
constexpr double kConeTip = 14;
constexpr double kConeTop = 4;
constexpr QRectF kNearWave{11, 7, 8, 10};
constexpr QRectF kFarWave{10, 3, 13, 18};
constexpr QLineF kCrossDown{16, 8, 22, 16}; // the voice switched off
constexpr QLineF kCrossUp{22, 8, 16, 16};
constexpr int kQuarterTurn = 16 * 90; // Qt's arcs count sixteenths of a degree
constexpr double kPenWidth = 1.6;
constexpr double kWidthToHeight = 1.4;
constexpr int kSpeakerMargin = 4;

} // namespace

ScreenVoice::ScreenVoice(Screen *screen) : QObject(screen), m_screen(screen)
{
    const auto onKey = [screen, this](Qt::Key key, auto what) {
        connect(new QShortcut(QKeySequence(key), screen), &QShortcut::activated, this, what);
    };
    onKey(Qt::Key_F1, [this] { ask(m_screen->spokenInstructions()); });
    onKey(Qt::Key_F2, [this] { ask(m_last); });
    onKey(Qt::Key_F3, [this] {
        platform().setSpeechOn(!platform().speechOn());
        m_screen->menuBar()->update();
    });
    auto *speaker = new SpeakerButton(screen->menuBar());
    screen->menuBar()->setCornerWidget(speaker, Qt::TopRightCorner);
    connect(speaker, &QAbstractButton::clicked, this, [this] { ask(m_screen->spokenInstructions()); });
}

void ScreenVoice::listenToTexts()
{
    for (QWidget *control : m_screen->clientArea()->findChildren<QWidget *>()) {
        if (isText(control))
            control->installEventFilter(this);
    }
}

void ScreenVoice::say(const QString &text)
{
    if (text.trimmed().isEmpty())
        return;
    m_last = text;
    m_spoke = true;
    platform().speak(text);
}

void ScreenVoice::stop()
{
    if (m_spoke)
        platform().stopSpeaking();
}

void ScreenVoice::ask(const QString &text)
{
    if (text.trimmed().isEmpty())
        return;
    m_asked = true;
    say(text);
}

bool ScreenVoice::eventFilter(QObject *watched, QEvent *event)
{
    // A tap comes as the mouse's press and release, which the control goes on to take as always.
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        auto *control = static_cast<QWidget *>(watched);
        if (!control->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
            return false;
        // A field is clicked into to type as well: what it holds is said, but that alone does not
        // make the screen speak its message boxes.
        if (qobject_cast<QLineEdit *>(control))
            say(m_screen->spokenText(control));
        else
            ask(m_screen->spokenText(control));
    }
    return false;
}

SpeakerButton::SpeakerButton(QWidget *parent) : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("speaker"));
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(kSpeakerName);
    setCursor(Qt::PointingHandCursor);
}

QSize SpeakerButton::sizeHint() const
{
    // As tall as the menu bar's texts, whatever the screen's scale.
    const int height = fontMetrics().height() + kSpeakerMargin;
    return QSize(int(height * kWidthToHeight), height);
}

void SpeakerButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height()) - kSpeakerMargin;
    painter.translate((width() - side) / 2, (height() - side) / 2);
    painter.scale(side / kUnits, side / kUnits);
    const QColor ink = isDown() ? kFocusMark : kInk;
    painter.setPen(QPen(ink, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    QPainterPath cone;
    cone.addRect(kBox);
    cone.moveTo(kBox.topRight());
    cone.lineTo(kConeTip, kConeTop);
    cone.lineTo(kConeTip, kUnits - kConeTop);
    cone.lineTo(kBox.bottomRight());
    painter.drawPath(cone.simplified());
    painter.setBrush(Qt::NoBrush);
    if (platform().speechOn()) {
        painter.drawArc(kNearWave, -kQuarterTurn / 2, kQuarterTurn);
        painter.drawArc(kFarWave, -kQuarterTurn / 2, kQuarterTurn);
    } else {
        painter.drawLine(kCrossDown);
        painter.drawLine(kCrossUp);
    }
}

} // namespace kalyxteron
