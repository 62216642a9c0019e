// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/application.h"

#include "shell/logic/release.h"

#include "shell/widgets/keypad.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTranslator>

#include <array>

namespace kalyxteron {

namespace {
// The sizes a title bar and a task bar show, embedded under :/icon by the build. Larger
// ones come from the icon theme; decoding them for every window would cost more than the rest.
constexpr std::array kWindowIconSizes{16, 32, 48, 64};

// Qt's own texts that a pupil meets (the text fields' right-click menu), in Greek, compiled
// from qt_el.ts by the build. The whole program is Greek, so it is loaded whatever the locale.
const QString kQtTranslation = QStringLiteral(":/i18n/qt_el.qm");

// Enter and Return press the push button that has the focus, as Space does, on every
// window; no button is made a default button, and keys sent to anything else pass on.
class EnterPressesButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || modifiers != Qt::NoModifier)
            return false;
        // Holding the key down presses once, as holding Space does.
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};
} // namespace

QIcon programIcon()
{
    // Kept by the application, so that the sizes are decoded once for all windows.
    if (QGuiApplication::windowIcon().isNull()) {
        QIcon icon;
        for (int size : kWindowIconSizes)
            icon.addPixmap(QPixmap(
                QStringLiteral(":/icon/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(kApplicationId)), "PNG"));
        QGuiApplication::setWindowIcon(icon);
    }
    return QGuiApplication::windowIcon();
}

void setUpApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    // No display name: Qt would add it to every window's caption, and the captions are the
    // screens' own. The message boxes carry the program's name themselves.
    QApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    programIcon();

    auto *translator = new QTranslator(qApp);
    if (translator->load(kQtTranslation))
        QCoreApplication::installTranslator(translator);
    qApp->installEventFilter(new EnterPressesButtons(qApp));
    guardDoubleTaps();
}

} // namespace kalyxteron
