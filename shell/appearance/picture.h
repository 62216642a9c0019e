// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// How one of the program's pictures is drawn, whatever it is drawn on.
namespace kalyxteron {

/// Draws a picture into a rectangle, keeping its proportions and centred. The build chooses how:
/// with Qt Svg from the SVG itself (picture_svg.cpp), or, where the target's Qt has no Qt Svg,
/// by playing back its recording made at build time (picture_recorded.cpp).
void paintPicture(QPainter &painter, const QString &picturePath, const QRectF &target);

/// The embedded file a picture is drawn from: its SVG, or its recording.
QString pictureSource(const QString &picturePath);

/// Plays a recorded picture (a QPicture file made by record_pictures, its bounding rectangle
/// the picture's size) into a rectangle, as paintPicture does. Does nothing without one.
void paintRecording(QPainter &painter, const QString &recordingPath, const QRectF &target);

} // namespace kalyxteron
