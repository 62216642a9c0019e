// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QSizeF>

namespace kalyxteron {

/// Where something of this size goes in a room: as large as the room allows, in its own
/// proportions, centred. Empty where either is empty. A picture in its box and a form on its
/// page are placed so.
inline QRectF centredFit(QSizeF size, const QRectF &room)
{
    if (size.isEmpty() || room.isEmpty())
        return QRectF();
    size.scale(room.size(), Qt::KeepAspectRatio);
    return QRectF(room.x() + (room.width() - size.width()) / 2, room.y() + (room.height() - size.height()) / 2,
                  size.width(), size.height());
}

} // namespace kalyxteron
