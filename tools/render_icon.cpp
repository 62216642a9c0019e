// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's SVG icon to the PNG sizes of the hicolor icon theme:
//   render_icon ICON.svg OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/<size>x<size>/apps/<name of the icon>.png for each size.
// Runs at build time, with no display: it picks the offscreen platform itself.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int kFirstSizeArgument = 3;
constexpr int kLargestSize = 1024;

bool renderAt(QSvgRenderer &renderer, int size, const QString &path)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Keep the picture's proportions, centred in the square.
    QSizeF fitted = renderer.defaultSize();
    fitted.scale(size, size, Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF((size - fitted.width()) / 2, (size - fitted.height()) / 2, fitted.width(),
                                     fitted.height()));
    painter.end();
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() <= kFirstSizeArgument) {
        std::fprintf(stderr, "usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString name = QFileInfo(args[1]).completeBaseName() + QStringLiteral(".png");
    const QDir output(args[2]);
    for (int i = kFirstSizeArgument; i < args.size(); ++i) {
        bool isNumber = false;
        const int size = args[i].toInt(&isNumber);
        if (!isNumber || size <= 0 || size > kLargestSize) {
            std::fprintf(stderr, "render_icon: not a size: %s\n", qPrintable(args[i]));
            return 2;
        }
        const QString path = output.filePath(QStringLiteral("%1x%1/apps/").arg(size) + name);
        if (!renderAt(renderer, size, path)) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
