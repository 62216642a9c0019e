// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/appearance/picture.h"

namespace kalyxteron {

// The build embeds the recording of ":/pictures/<name>.svg" as ":/recordings/<name>.qpic".
QString pictureSource(const QString &picturePath)
{
    static const QString kPictures = QStringLiteral(":/pictures/");
    static const QString kSvg = QStringLiteral(".svg");
    if (!picturePath.startsWith(kPictures) || !picturePath.endsWith(kSvg))
        return QString();
    const QString name = picturePath.mid(kPictures.size()).chopped(kSvg.size());
    return QStringLiteral(":/recordings/") + name + QStringLiteral(".qpic");
}

void paintPicture(QPainter &painter, const QString &picturePath, const QRectF &target)
{
    if (const QString recording = pictureSource(picturePath); !recording.isEmpty())
        paintRecording(painter, recording, target);
}

} // namespace kalyxteron
