// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Records each SVG picture as the painting Qt Svg makes of it, for a build whose Qt has no
// Qt Svg (the Windows one): the recording plays back through Qt Gui alone, as vectors, at any
// size.
//   record_pictures SOURCE_FOLDER OUTPUT_FOLDER PICTURE.svg...
// writes OUTPUT_FOLDER/<PICTURE>.qpic for each, its bounding rectangle the picture's own size.
// Runs at build time, with no display: it picks the offscreen platform itself.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int kFirstPictureArgument = 3;

bool record(const QString &svg, const QString &path)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;
    QPicture picture;
    QPainter painter(&picture);
    // The size the picture says it has, not what its strokes reach: playback fits that to a box.
    picture.setBoundingRect(QRect(QPoint(), renderer.defaultSize()));
    renderer.render(&painter, QRectF(QPointF(), renderer.defaultSize()));
    painter.end();
    return QDir().mkpath(QFileInfo(path).path()) && picture.save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() <= kFirstPictureArgument) {
        std::fprintf(stderr, "usage: record_pictures SOURCE_FOLDER OUTPUT_FOLDER PICTURE.svg...\n");
        return 2;
    }
    const QDir source(args[1]);
    const QDir output(args[2]);
    for (int i = kFirstPictureArgument; i < args.size(); ++i) {
        const QString recording = QFileInfo(args[i]).path() + QLatin1Char('/') + QFileInfo(args[i]).completeBaseName() +
                                  QStringLiteral(".qpic");
        if (!record(source.filePath(args[i]), output.filePath(recording))) {
            std::fprintf(stderr, "record_pictures: cannot record %s\n", qPrintable(args[i]));
            return 1;
        }
    }
    return 0;
}
