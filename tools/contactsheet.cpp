// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders every picture of the program at the size it is shown, with its file
// name under it, into one PNG:  contactsheet OUTPUT.png [device-pixel-ratio]
// With --timings it prints instead how long each picture takes to draw at that
// size (median of repeated draws, the parsing done once before), largest first.
#include "assets/pictures.h"
#include "shell/appearance/picture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int printTimings(const QStringList &pictures)
{
    constexpr int kRepeats = 21;
    struct Timing {
        QString name;
        qint64 bytes;
        double medianMs;
    };
    std::vector<Timing> timings;
    for (const QString &picture : pictures) {
        const QSize size = kalyxteron::shownSize(picture);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        std::vector<double> times;
        for (int i = 0; i <= kRepeats; ++i) {
            image.fill(Qt::transparent);
            QElapsedTimer timer;
            timer.start();
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            kalyxteron::paintPicture(painter, picture, QRect(QPoint(0, 0), size));
            painter.end();
            if (i > 0) // the first draw also parses the file
                times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(times.begin(), times.end());
        timings.push_back({QFileInfo(picture).fileName(), QFileInfo(picture).size(), times[times.size() / 2]});
    }
    std::sort(timings.begin(), timings.end(), [](const Timing &a, const Timing &b) { return a.bytes > b.bytes; });
    for (const Timing &t : timings)
        std::printf("%-40s %7lld bytes  %7.2f ms\n", qPrintable(t.name), (long long)t.bytes, t.medianMs);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.contains(QStringLiteral("--timings")))
        return printTimings(kalyxteron::allPicturePaths());
    const QString output = args.size() > 1 ? args[1] : QStringLiteral("contact-sheet.png");
    const qreal ratio = args.size() > 2 ? args[2].toDouble() : 1.0;

    constexpr int kSheetWidth = 1700;
    constexpr int kGap = 14;
    constexpr int kCaption = 22;
    const QStringList pictures = kalyxteron::allPicturePaths();

    // Lay the pictures out in rows, left to right.
    QList<QRect> places;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const QString &picture : pictures) {
        const QSize size = kalyxteron::shownSize(picture);
        if (x + size.width() + kGap > kSheetWidth) {
            x = kGap;
            y += rowHeight + kCaption + kGap;
            rowHeight = 0;
        }
        places << QRect(QPoint(x, y), size);
        x += size.width() + kGap;
        rowHeight = std::max(rowHeight, size.height());
    }
    const int height = y + rowHeight + kCaption + kGap;

    QImage sheet(QSize(kSheetWidth, height) * ratio, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(250, 250, 245));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < pictures.size(); ++i) {
        const QRect box = places[i];
        painter.setPen(QColor(200, 200, 200));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        kalyxteron::paintPicture(painter, pictures[i], box);
        painter.setPen(Qt::black);
        painter.drawText(QRect(box.left(), box.bottom() + 2, box.width(), kCaption), Qt::AlignCenter,
                         QFileInfo(pictures[i]).fileName());
    }
    painter.end();
    const bool saved = sheet.save(output);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(output));
    return saved ? 0 : 1;
}
