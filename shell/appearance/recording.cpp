// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/appearance/picture.h"
#include "shell/logic/geometry.h"

#include <QHash>
#include <QPainter>
#include <QPicture>

namespace kalyxteron {

void paintRecording(QPainter &painter, const QString &recordingPath, const QRectF &target)
{
    // Each recording is read once, the first time it is shown.
    static QHash<QString, QPicture> recordings;
    auto found = recordings.find(recordingPath);
    if (found == recordings.end()) {
        QPicture picture;
        if (!picture.load(recordingPath))
            picture = QPicture();
        found = recordings.insert(recordingPath, picture);
    }
    const QPicture &picture = *found;
    const QRect size = picture.boundingRect();
    if (picture.isNull() || size.isEmpty())
        return;
    const QRectF where = centredFit(size.size(), target);
    painter.save();
    painter.translate(where.topLeft());
    painter.scale(where.width() / size.width(), where.height() / size.height());
    painter.drawPicture(QPointF(), picture);
    painter.restore();
}

} // namespace kalyxteron
