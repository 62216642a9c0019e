// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/logic/screenid.h"

#include <QAction>
#include <QMainWindow>

class QMenu;

namespace kalyxteron {

class ScreenVoice;

// One screen of the program: a window with a caption, a menu bar and a client
// area drawn at one size, its design, in which its controls stand where the screen
// puts them. The client area opens at its design size where the display has room for
// it and smaller where it has not; in a larger window (maximised, or full screen with
// F11) the whole of it grows to fill the window, centred, its proportions kept.
// Closing it with the window's close control ends the program; a hand-over
// closes it quietly instead.
class Screen : public QMainWindow {
    Q_OBJECT
public:
    Screen(ScreenId id, const QString &caption, QSize clientSize);

    ScreenId id() const { return m_id; }

    /// Closes the screen for a hand-over to another: no end of the program. It is deleted later.
    void closeForHandOver();
    bool isClosed() const { return m_closed; }

    /// The client area, where the screen's controls stand: what a print of the screen shows.
    QWidget *clientArea() const { return m_client; }
    /// The scale the client area is shown at: 1 at its design size.
    double scale() const { return m_scale; }

    /// Says a text aloud, cutting what was being said (screenvoice.h).
    void speak(const QString &text);
    /// Tells the pupil in a message box, also aloud once the pupil has asked this screen to speak.
    void tell(const QString &text);
    /// What the screen says for its instructions (F1, the speaker).
    virtual QString spokenInstructions() const { return m_instructions; }
    /// What a tap on one of the screen's texts says: the text as it is shown, a name's field
    /// without its dotted line, a picture by what it shows.
    virtual QString spokenText(const QWidget *control) const;

public slots:
    /// Runs while the screen is being created, before it is shown.
    virtual void Form_Load() {}

protected:
    /// A drop-down list on the menu bar.
    QMenu *addList(const char *name, const QString &caption);
    /// A command on the menu bar itself, or an entry of a list when `list` is given.
    template <typename S>
    QAction *addCommand(QMenu *list, const char *name, const QString &caption, void (S::*handler)())
    {
        QAction *action = newCommand(list, name, caption);
        connect(action, &QAction::triggered, static_cast<S *>(this), handler);
        return action;
    }
    void addSeparator(QMenu *list, const char *name);
    /// The text the screen says for its instructions.
    void setSpokenInstructions(const QString &text) { m_instructions = text; }

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *newCommand(QMenu *list, const char *name, const QString &caption);
    void openWithinTheDisplay();
    void placeClientArea();
    void scaleMenus();
    void shortenTitleForTitleBar();

    ScreenId m_id;
    QSize m_design;
    QWidget *m_stage;
    QWidget *m_client;
    double m_scale = 1.0;
    double m_menuScale = 1.0;
    int m_menuBarHeight = 0; // at the design size
    bool m_opened = false;
    bool m_handingOver = false;
    bool m_closed = false;
    ScreenVoice *m_voice = nullptr;
    QString m_instructions;
};

} // namespace kalyxteron
