// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/logic/keypads.h"

#include <QFrame>
#include <QLineEdit>
#include <QList>
#include <QPointer>

#include <initializer_list>
#include <vector>

class QMouseEvent;
class QPushButton;

namespace kalyxteron {

// An on-screen pad of the program's own, for a pupil at a touch panel: it opens beside the field
// the pupil touched, clear of it and of what must stay in sight, and types into it with the same
// key events a keyboard sends, so that the field's own rules hold. It takes no focus and has no
// place in the tab order; it goes when the focus leaves the fields it serves, or with its screen.
// The number pad and the Greek keyboard are this one class, set up from their designs.
class KeyPad : public QFrame {
    Q_OBJECT
public:
    KeyPad(QWidget *stage, PadKind kind);

    PadKind kind() const { return m_design.kind; }
    /// The field it types into.
    QLineEdit *target() const { return m_target; }
    /// Opens beside the field, or moves there, and types into it from then on.
    void openFor(QLineEdit *field, const QList<QPointer<QWidget>> &keepClear);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press(std::size_t index);
    void typeKey(int key, const QString &text, Qt::KeyboardModifiers modifiers);
    void followFocus(QWidget *now);
    void relabel();
    void layOut();

    const PadDesign &m_design;
    std::vector<QPushButton *> m_keys;
    QPointer<QLineEdit> m_target;
    QList<QPointer<QWidget>> m_keepClear;
    bool m_capital = false;
    bool m_tonos = false;
    bool m_dialytika = false;
};

/// Lets a touch on the field open a pad of this kind beside it, never over the field or over
/// the controls in `keepClear`. A mouse click or the Tab key opens none.
void offerKeyPad(QLineEdit *field, PadKind kind, std::initializer_list<QWidget *> keepClear = {});

/// Whether a mouse event stands for a finger (or a pen) on a touch screen: Qt, or the system,
/// makes mouse events of the touches no control takes as touches.
bool comesFromTouch(const QMouseEvent *event);

/// From now on the second tap of a double tap does nothing on a window that was not there, or
/// not under the finger, at the first: a tap that hands over to another screen, or opens a
/// message, is never taken up again by what opened.
void guardDoubleTaps();

} // namespace kalyxteron
