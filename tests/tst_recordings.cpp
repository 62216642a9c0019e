// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/pictures.h"
#include "shell/appearance/picture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace kalyxteron;

namespace {

// The recordings record_pictures made in this build, as the Windows build embeds them.
const QString kRecordings = QStringLiteral(KALYXTERON_RECORDINGS_FOLDER);
constexpr int kPrefixLength = 11; // ":/pictures/"
// Measured: at most 0.03 (anti-aliasing at a few edges); a lost gradient, opacity or
// transform makes whole areas differ, far above this.
constexpr double kMostDifference = 0.5;

template <typename Paint>
QImage drawn(QSize size, qreal ratio, Paint paint)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, QRectF(QPointF(), QSizeF(size)));
    return image;
}

// How far apart two drawings are: the mean difference of their channels, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

// The Windows program draws each picture by playing back its recording: it must look as the
// picture does where Qt Svg draws it, at the size it is shown and at four times that.
class TestRecordings : public QObject {
    Q_OBJECT
private slots:
    void recordingLooksLikeItsPicture_data();
    void recordingLooksLikeItsPicture();
};

void TestRecordings::recordingLooksLikeItsPicture_data()
{
    // clang-format off
    QTest::addColumn<QString>("path");
    QTest::addColumn<qreal>("ratio");
    for (const QString &path : allPicturePaths()) {
        QTest::addRow("%s", qPrintable(path.mid(kPrefixLength))) << path << qreal(1);
        QTest::addRow("%s at 4x", qPrintable(path.mid(kPrefixLength))) << path << qreal(4);
    }
    // clang-format on
}

void TestRecordings::recordingLooksLikeItsPicture()
{
    QFETCH(QString, path);
    QFETCH(qreal, ratio);
    const QString recording = QDir(kRecordings).filePath(path.mid(kPrefixLength).chopped(4) + QStringLiteral(".qpic"));
    QVERIFY2(QFile::exists(recording), qPrintable(recording));
    const QSize size = shownSize(path);
    const QImage svg = drawn(size, ratio, [&](QPainter &p, const QRectF &r) { paintPicture(p, path, r); });
    const QImage played = drawn(size, ratio, [&](QPainter &p, const QRectF &r) { paintRecording(p, recording, r); });
    const double difference = meanDifference(svg, played);
    QVERIFY2(difference < kMostDifference, qPrintable(QStringLiteral("differs by %1").arg(difference)));
}

QTEST_MAIN(TestRecordings)
#include "tst_recordings.moc"
