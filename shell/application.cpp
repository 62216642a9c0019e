#include "shell/application.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <array>

namespace kalyxteron {

namespace {
// The sizes a title bar and a task bar show, embedded under :/icon by the build. Larger
// ones come from the icon theme; decoding them for every window would cost more than the rest.
constexpr std::array kWindowIconSizes{16, 32, 48, 64};
} // namespace

QIcon programIcon()
{
    // Kept by the application, so that the sizes are decoded once for all windows.
    if (QGuiApplication::windowIcon().isNull()) {
        QIcon icon;
        for (int size : kWindowIconSizes)
            icon.addPixmap(QPixmap(QStringLiteral(":/icon/%1x%1/apps/org.kalyxteron.Kalyxteron.png").arg(size), "PNG"));
        QGuiApplication::setWindowIcon(icon);
    }
    return QGuiApplication::windowIcon();
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("kalyxteron"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kalyxteron"));
    QApplication::setDesktopFileName(QStringLiteral("org.kalyxteron.Kalyxteron"));
    programIcon();
}

} // namespace kalyxteron
