// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/keypad.h"

#include "shell/appearance/faces.h"
#include "shell/platform.h"
#include "shell/widgets/controls.h"
#include "shell/widgets/screen.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace kalyxteron {

namespace {

// A key at the design size of its screen: as high as a practice screen's answer field.
constexpr int kDesignKeySide = 44;
constexpr double kGapShare = 0.1; // between two keys, and round the keys, of a key's side
constexpr int kLeastGap = 2;
constexpr double kFaceShare = 0.46;   // a key's letter, of its side
constexpr double kMarkGrowth = 2.0;   // an accent alone on a key is drawn larger, to be seen
constexpr double kBorderShare = 0.05; // a key's border, of its side
constexpr double kRoundingShare = 0.15;

const QString kBackspace(QChar(u'\b')); // what Backspace types, as a keyboard sends it

// A touch on the field opens its pad: the kind, and what the pad must leave in sight.
class PadOffer : public QObject {
    Q_OBJECT
public:
    PadOffer(QLineEdit *field, PadKind kind, QList<QPointer<QWidget>> keepClear)
        : QObject(field), kind(kind), keepClear(std::move(keepClear)), m_field(field)
    {
        field->installEventFilter(this);
    }

    const PadKind kind;
    const QList<QPointer<QWidget>> keepClear;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_field;
};

PadOffer *offerOf(const QWidget *widget)
{
    return widget ? widget->findChild<PadOffer *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool takesTyping(const QLineEdit *field)
{
    return field->isEnabled() && !field->isReadOnly() && field->isVisible();
}

// A pad stands on its screen's stage, over the client area (so that it is never printed with it)
// and anywhere in the window below the menu bar.
QWidget *stageOf(QWidget *field)
{
    QWidget *window = field->window();
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->centralWidget())
        return main->centralWidget();
    return window;
}

KeyPad *padFor(QLineEdit *field, PadKind kind)
{
    QWidget *stage = stageOf(field);
    const QString name = QLatin1String(padDesign(kind).objectName);
    if (auto *pad = stage->findChild<KeyPad *>(name, Qt::FindDirectChildrenOnly))
        return pad;
    return new KeyPad(stage, kind);
}

bool PadOffer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::MouseButtonRelease &&
        comesFromTouch(static_cast<QMouseEvent *>(event)) && m_field->hasFocus() && takesTyping(m_field))
        padFor(m_field, kind)->openFor(m_field, keepClear);
    return false;
}

// What a screen reader is told of a pad: a group of keys with its name.
QAccessibleInterface *keyPadAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("kalyxteron::KeyPad") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    return nullptr;
}

// The second tap of a double tap, on a window other than the one the first tap pressed: the
// first tap closed that one and opened this one (a hand-over, a message), which must not take it.
// A menu's list is the exception: the first tap opened it to be tapped, and a quick tap on its
// first entry is close enough to the first for Qt 6.8 to make the two a double tap.
class DoubleTapGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWindowType())
            return false;
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove &&
            type != QEvent::MouseButtonRelease)
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!comesFromTouch(mouse))
            return false;
        auto *window = static_cast<QWindow *>(watched);
        if (type == QEvent::MouseButtonPress) {
            m_swallowing = mouse->flags().testFlag(Qt::MouseEventCreatedDoubleClick) && window != m_pressed &&
                           window->type() != Qt::Popup;
            // A tap swallowed here still counts as this window's: the pupil's next tap on it is
            // meant for it, though Qt may make the two a double tap.
            m_pressed = window;
            return m_swallowing;
        }
        const bool swallowed = m_swallowing;
        if (type == QEvent::MouseButtonRelease)
            m_swallowing = false;
        return swallowed;
    }

private:
    QPointer<QWindow> m_pressed; // where the last tap pressed
    bool m_swallowing = false;
};

} // namespace

KeyPad::KeyPad(QWidget *stage, PadKind kind) : QFrame(stage), m_design(padDesign(kind))
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(keyPadAccessible);
        return true;
    }();
    (void)accessibleInstalled;
    setObjectName(QLatin1String(m_design.objectName));
    setAccessibleName(m_design.name.toString());
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (std::size_t i = 0; i < m_design.keys.size(); ++i) {
        const PadKey &key = m_design.keys[i];
        auto *button = new QPushButton(this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setCheckable(key.action == KeyAction::Capitals || key.action == KeyAction::Tonos ||
                             key.action == KeyAction::Dialytika);
        connect(button, &QPushButton::clicked, this, [this, i] { press(i); });
        m_keys.push_back(button);
    }
    relabel();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { followFocus(now); });
    stage->installEventFilter(this);
}

void KeyPad::openFor(QLineEdit *field, const QList<QPointer<QWidget>> &keepClear)
{
    m_target = field;
    m_keepClear = keepClear;
    layOut();
    show();
    raise();
}

bool KeyPad::eventFilter(QObject *watched, QEvent *event)
{
    // The screen scales its controls as its stage is resized: the pad follows once they stand.
    if (watched == parent() && event->type() == QEvent::Resize && isVisible())
        QMetaObject::invokeMethod(this, &KeyPad::layOut, Qt::QueuedConnection);
    return QFrame::eventFilter(watched, event);
}

void KeyPad::followFocus(QWidget *now)
{
    if (isHidden() || now == m_target)
        return;
    auto *field = qobject_cast<QLineEdit *>(now);
    const PadOffer *offer = offerOf(field);
    if (offer && offer->kind == m_design.kind && field->window() == window() && takesTyping(field))
        openFor(field, offer->keepClear);
    else
        hide();
}

void KeyPad::press(std::size_t index)
{
    const PadKey &key = m_design.keys[index];
    switch (key.action) {
    case KeyAction::Type: {
        const QString text = keyText(key.text, m_capital, m_tonos, m_dialytika);
        // The key a keyboard reports for a letter is its capital's code, with Shift for a capital.
        typeKey(text.toUpper().front().unicode(), text, m_capital ? Qt::ShiftModifier : Qt::NoModifier);
        m_capital = m_tonos = m_dialytika = false;
        break;
    }
    case KeyAction::Erase:
        typeKey(Qt::Key_Backspace, kBackspace, Qt::NoModifier);
        break;
    case KeyAction::Close:
        hide();
        break;
    case KeyAction::Capitals:
        m_capital = !m_capital;
        break;
    case KeyAction::Tonos:
        m_tonos = !m_tonos;
        break;
    case KeyAction::Dialytika:
        m_dialytika = !m_dialytika;
        break;
    }
    relabel();
}

void KeyPad::typeKey(int key, const QString &text, Qt::KeyboardModifiers modifiers)
{
    if (!m_target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(m_target, &press);
    // The key may have ended the field's screen (a hand-over): the release goes only where it is.
    if (!m_target)
        return;
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(m_target, &release);
}

void KeyPad::relabel()
{
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const PadKey &key = m_design.keys[i];
        const QString shown =
            key.shown.isEmpty() ? keyText(key.text, m_capital, m_tonos, m_dialytika) : key.shown.toString();
        QPushButton *button = m_keys[i];
        button->setText(shown);
        button->setAccessibleName(key.name.isEmpty() ? shown : key.name.toString());
        if (button->isCheckable())
            button->setChecked(key.action == KeyAction::Capitals ? m_capital
                               : key.action == KeyAction::Tonos  ? m_tonos
                                                                 : m_dialytika);
    }
}

// The keys at their size for the screen's scale and the display, and the pad beside its field.
void KeyPad::layOut()
{
    auto *stage = parentWidget();
    if (!m_target || !stage)
        return;
    const auto *screen = qobject_cast<const Screen *>(window());
    const int side = keySide(kDesignKeySide, screen ? screen->scale() : 1.0, platform().pixelsPerMillimetre(window()));
    const int gap = std::max(kLeastGap, int(std::lround(side * kGapShare)));
    const double step = double(side + gap) / kQuartersPerKey; // one quarter of a key and its gap
    const auto along = [gap, step](int quarters) { return gap + int(std::lround(quarters * step)); };
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const PadKey &key = m_design.keys[i];
        const int left = along(key.column);
        const int top = gap + key.row * (side + gap);
        m_keys[i]->setGeometry(left, top, along(key.column + key.width) - gap - left, side);
    }
    resize(along(m_design.columns), gap + m_design.rows * (side + gap));

    const int border = std::max(1, int(std::lround(side * kBorderShare)));
    const int rounding = int(std::lround(side * kRoundingShare));
    setStyleSheet(QStringLiteral("QFrame#%1 { background: rgb(222,232,248); border: %2px solid rgb(60,90,150);"
                                 " border-radius: %3px; }"
                                 "QPushButton { background: white; color: rgb(0,0,96); border: %4px solid"
                                 " rgb(110,130,180); border-radius: %3px; }"
                                 "QPushButton:pressed, QPushButton:checked { background: rgb(255,210,100); }")
                      .arg(objectName())
                      .arg(border)
                      .arg(rounding)
                      .arg(border));
    for (QPushButton *button : m_keys) {
        QFont face = plainFont(1, true);
        const QString shown = button->text();
        const bool mark = shown.size() == 1 && shown.front().category() == QChar::Symbol_Modifier;
        face.setPixelSize(std::max(1, int(std::lround(side * kFaceShare * (mark ? kMarkGrowth : 1.0)))));
        // A word on a key is set smaller until it fits.
        const int room = button->width() - 4 * border;
        while (face.pixelSize() > 1 && QFontMetrics(face).horizontalAdvance(shown) > room)
            face.setPixelSize(face.pixelSize() - 1);
        button->setFont(face);
    }

    const QRect field(m_target->mapTo(stage, QPoint()), m_target->size());
    std::vector<QRect> keepClear;
    for (const QPointer<QWidget> &widget : m_keepClear) {
        if (widget && widget != m_target && widget->isVisibleTo(stage))
            keepClear.emplace_back(widget->mapTo(stage, QPoint()), widget->size());
    }
    const std::optional<QRect> place = placeBeside(size(), field, keepClear, stage->rect(), gap, m_design.sides);
    // Where no side has room, the pad keeps to the stage's lower right corner.
    move(place ? place->topLeft()
               : QPoint(std::max(0, stage->width() - width()), std::max(0, stage->height() - height())));
}

void offerKeyPad(QLineEdit *field, PadKind kind, std::initializer_list<QWidget *> keepClear)
{
    QList<QPointer<QWidget>> kept;
    for (QWidget *widget : keepClear) {
        if (widget)
            kept << widget;
    }
    new PadOffer(field, kind, std::move(kept));
}

bool comesFromTouch(const QMouseEvent *event)
{
    const QPointingDevice *device = event->pointingDevice();
    return (device && device->type() == QInputDevice::DeviceType::TouchScreen) ||
           event->source() == Qt::MouseEventSynthesizedBySystem || event->source() == Qt::MouseEventSynthesizedByQt;
}

void guardDoubleTaps()
{
    qApp->installEventFilter(new DoubleTapGuard(qApp));
}

} // namespace kalyxteron

#include "keypad.moc"
