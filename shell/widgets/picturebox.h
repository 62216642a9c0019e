// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace kalyxteron {

// An image box: one of the program's pictures, drawn to fit the box without
// distortion. On screen it draws from a cached bitmap of the box's size; on a
// printer it draws the vector picture itself.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const QString &name, const QString &picturePath, const QString &description,
               QRect geometry);

    QString picturePath() const { return m_path; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_path;
};

/// Draws a picture into a rectangle, keeping its proportions and centred. The build chooses how:
/// with Qt Svg from the SVG itself (picture_svg.cpp), or, where the target's Qt has no Qt Svg,
/// by playing back its recording made at build time (picture_recorded.cpp).
void paintPicture(QPainter &painter, const QString &picturePath, const QRectF &target);

/// The embedded file a picture is drawn from: its SVG, or its recording.
QString pictureSource(const QString &picturePath);

/// Where a picture of this size goes in a rectangle: as large as fits, in its own
/// proportions, centred.
QRectF fitted(QSizeF picture, const QRectF &target);

/// Plays a recorded picture (a QPicture file made by record_pictures, its bounding rectangle
/// the picture's size) into a rectangle, as paintPicture does. Does nothing without one.
void paintRecording(QPainter &painter, const QString &recordingPath, const QRectF &target);

} // namespace kalyxteron
