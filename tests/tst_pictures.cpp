// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/pictures.h"
#include "platformfixture.h"
#include "shell/appearance/picture.h"
#include "shell/widgets/picturebox.h"
#include "testing.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QResource>

#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

namespace {

// The share of a rendered picture's pixels that are not transparent.
double coverage(const QImage &image)
{
    qint64 painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    return double(painted) / double(image.width() * image.height());
}

QImage render(const QString &path, QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintPicture(painter, path, QRect(QPoint(0, 0), size));
    painter.end();
    return image;
}

constexpr qint64 kLargestSetBytes = 512 * 1024; // all pictures together, as stored in the program
constexpr double kLeastCoverage = 0.2;          // a picture fills at least this much of its box

} // namespace

// Every embedded picture loads, draws something at its size and at double
// scale, and every image box of every screen says what it shows.
class TestPictures : public PlatformFixture {
    Q_OBJECT
private slots:
    void everyPictureLoadsAndDraws_data();
    void everyPictureLoadsAndDraws();
    void theSetStaysSmall();
    void imageBoxesShowTheirPicture_data();
    void imageBoxesShowTheirPicture();
    void windowIconOnEveryScreen();
};

void TestPictures::everyPictureLoadsAndDraws_data()
{
    // clang-format off
    QTest::addColumn<QString>("path");
    QTest::addColumn<qreal>("ratio");
    for (const QString &path : allPicturePaths()) {
        QTest::addRow("%s", qPrintable(path.mid(11))) << path << qreal(1);
        QTest::addRow("%s at 2x", qPrintable(path.mid(11))) << path << qreal(2);
    }
    // clang-format on
}

void TestPictures::everyPictureLoadsAndDraws()
{
    QFETCH(QString, path);
    QFETCH(qreal, ratio);
    QVERIFY2(QFile::exists(pictureSource(path)), "not embedded");
    const QSize size = shownSize(path);
    const QImage image = render(path, size, ratio);
    QCOMPARE(image.size(), size * ratio);
    // Not empty: the picture covers a good part of its box (kept in proportion, centred).
    QVERIFY2(coverage(image) > kLeastCoverage, qPrintable(QStringLiteral("covers %1").arg(coverage(image))));
}

void TestPictures::theSetStaysSmall()
{
    // What the pictures add to the program: their files as the build stores them (compressed).
    qint64 total = 0;
    for (const QString &path : allPicturePaths()) {
        const QResource stored(pictureSource(path));
        QVERIFY2(stored.isValid(), qPrintable(path));
        total += stored.size();
    }
    QVERIFY2(total < kLargestSetBytes, qPrintable(QStringLiteral("%1 bytes").arg(total)));
}

void TestPictures::imageBoxesShowTheirPicture_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    for (int s = 0; s < kScreenCount; ++s)
        QTest::newRow(qPrintable(screenName(ScreenId(s)))) << ScreenId(s);
    // clang-format on
}

void TestPictures::imageBoxesShowTheirPicture()
{
    QFETCH(ScreenId, screen);
    open(screen);
    QVERIFY(currentScreen());
    for (PictureBox *box : currentScreen()->findChildren<PictureBox *>()) {
        QVERIFY2(allPicturePaths().contains(box->picturePath()), qPrintable(box->objectName()));
        QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
        QVERIFY2(!box->size().isEmpty(), qPrintable(box->objectName()));
    }
}

void TestPictures::windowIconOnEveryScreen()
{
    for (int s = 0; s < kScreenCount; ++s) {
        open(ScreenId(s));
        QVERIFY(!currentScreen()->windowIcon().isNull());
        QVERIFY(!currentScreen()->windowIcon().pixmap(32, 32).isNull());
    }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
