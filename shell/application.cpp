#include "shell/application.h"

#include "assets/pictures.h"

#include <QApplication>
#include <QIcon>

namespace kalyxteron {

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("kalyxteron"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kalyxteron"));
    QApplication::setDesktopFileName(QStringLiteral("org.kalyxteron.Kalyxteron"));
    QApplication::setWindowIcon(QIcon(picturePath(Picture::Icon)));
    // Between two screens no window is open for a moment; only an exit ends the program.
    app.setQuitOnLastWindowClosed(false);
}

} // namespace kalyxteron
