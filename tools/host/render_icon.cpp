// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's SVG icon to the PNG sizes of the hicolor icon theme:
//   render_icon ICON.svg OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/<size>x<size>/apps/<name of the icon>.png for each size;
//   render_icon --ico ICON.svg OUTPUT.ico SIZE...
// writes one Windows icon file holding every size (as PNG, which Windows reads since Vista).
// Runs at build time, with no display: it picks the offscreen platform itself.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

constexpr int kLargestSize = 1024;
constexpr int kLargestIconFileSize = 256; // an icon file's directory counts sizes in one byte, 0 for 256

QImage renderAt(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Keep the picture's proportions, centred in the square.
    QSizeF fitted = renderer.defaultSize();
    fitted.scale(size, size, Qt::KeepAspectRatio);
    renderer.render(&painter,
                    QRectF((size - fitted.width()) / 2, (size - fitted.height()) / 2, fitted.width(), fitted.height()));
    painter.end();
    return image;
}

bool writePng(const QImage &image, const QString &path)
{
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG");
}

template <typename T>
void append(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// The layout of an .ico file: a header, one directory entry for each image, then the images.
bool writeIcoFile(const QList<QImage> &images, const QString &path)
{
    constexpr quint16 kIconType = 1;
    constexpr quint16 kHeaderBytes = 6;
    constexpr quint16 kEntryBytes = 16;
    constexpr quint16 kBitsPerPixel = 32;
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return false;
        pngs << buffer.data();
    }
    QByteArray file;
    append<quint16>(file, 0);
    append<quint16>(file, kIconType);
    append<quint16>(file, quint16(images.size()));
    quint32 offset = kHeaderBytes + kEntryBytes * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        append<quint8>(file, size >= kLargestIconFileSize ? 0 : quint8(size));
        append<quint8>(file, size >= kLargestIconFileSize ? 0 : quint8(size));
        append<quint8>(file, 0); // no palette
        append<quint8>(file, 0);
        append<quint16>(file, 1); // colour planes
        append<quint16>(file, kBitsPerPixel);
        append<quint32>(file, quint32(pngs[i].size()));
        append<quint32>(file, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        file += png;
    QFile out(path);
    return QDir().mkpath(QFileInfo(path).path()) && out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments();
    const bool icoFile = args.size() > 1 && args[1] == QLatin1String("--ico");
    if (icoFile)
        args.removeAt(1);
    constexpr int kFirstSizeArgument = 3;
    if (args.size() <= kFirstSizeArgument) {
        std::fprintf(stderr, "usage: render_icon [--ico] ICON.svg OUTPUT_FOLDER|OUTPUT.ico SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString name = QFileInfo(args[1]).completeBaseName() + QStringLiteral(".png");
    const QDir output(args[2]);
    QList<QImage> images;
    for (int i = kFirstSizeArgument; i < args.size(); ++i) {
        bool isNumber = false;
        const int size = args[i].toInt(&isNumber);
        if (!isNumber || size <= 0 || size > kLargestSize) {
            std::fprintf(stderr, "render_icon: not a size: %s\n", qPrintable(args[i]));
            return 2;
        }
        if (icoFile && size > kLargestIconFileSize) {
            std::fprintf(stderr, "render_icon: an icon file holds sizes up to %d: %d\n", kLargestIconFileSize, size);
            return 2;
        }
        images << renderAt(renderer, size);
        const QString path = output.filePath(QStringLiteral("%1x%1/apps/").arg(size) + name);
        if (!icoFile && !writePng(images.last(), path)) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (icoFile && !writeIcoFile(images, args[2])) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
