// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/picturebox.h"

#include "shell/appearance/picture.h"

#include <QAccessibleWidget>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace kalyxteron {

namespace {

// Screen readers hear a picture as a picture, named by what it shows.
QAccessibleInterface *pictureAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("kalyxteron::PictureBox") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent, const QString &name, const QString &picturePath, const QString &description,
                       QRect geometry)
    : QWidget(parent), m_path(picturePath)
{
    // Before the name is set: setting it creates the box's accessible interface, which a
    // screen reader then keeps, and only the factory makes it a picture.
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(pictureAccessible);
        return true;
    }();
    (void)accessibleInstalled;
    setObjectName(name);
    setGeometry(geometry);
    setAccessibleName(description);
    setAttribute(Qt::WA_TranslucentBackground);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool onScreen = painter.paintEngine()->type() == QPaintEngine::Raster;
    if (!onScreen) {
        paintPicture(painter, m_path, rect());
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("%1@%2x%3x%4").arg(m_path).arg(width()).arg(height()).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter onPixmap(&pixmap);
        onPixmap.setRenderHint(QPainter::Antialiasing);
        paintPicture(onPixmap, m_path, rect());
        onPixmap.end();
        QPixmapCache::insert(key, pixmap);
    }
    painter.drawPixmap(0, 0, pixmap);
}

} // namespace kalyxteron
