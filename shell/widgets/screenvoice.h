// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QString>

namespace kalyxteron {

class Screen;

// What a screen says aloud, for the pupils who cannot read yet: a text the pupil taps or clicks,
// the screen's instructions by F1 or by the speaker at the end of the menu bar, the last thing
// said again by F2. F3 switches the voice off and on for the rest of the run. Once the pupil has
// asked the screen to speak (a tap on a text, not on a field, which is tapped to type into as well;
// F1, F2, the speaker), its message boxes are spoken as they open. Nothing else on the
// screen changes: no text, no menu, no focus, no hand-over.
class ScreenVoice : public QObject {
    Q_OBJECT
public:
    explicit ScreenVoice(Screen *screen);

    /// Listens to taps and clicks on the screen's texts; called once its controls are made.
    void listenToTexts();
    /// Says a text, cutting what was being said; it becomes the last thing said.
    void say(const QString &text);
    /// Whether the pupil has asked this screen to speak.
    bool asked() const { return m_asked; }
    /// Stops what the screen was saying, if it said anything.
    void stop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ask(const QString &text);

    Screen *m_screen;
    QString m_last;
    bool m_asked = false;
    bool m_spoke = false;
};

// The speaker at the end of a screen's menu bar: it says the screen's instructions. It takes no
// place in the focus order; crossed out while the voice is switched off.
class SpeakerButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit SpeakerButton(QWidget *parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kalyxteron
