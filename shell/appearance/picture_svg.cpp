// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/appearance/picture.h"
#include "shell/logic/geometry.h"

#include <QHash>
#include <QSvgRenderer>

#include <memory>

namespace kalyxteron {

namespace {

// Each picture is parsed once, the first time it is shown.
QSvgRenderer *rendererFor(const QString &path)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto &renderer = renderers[path];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(path);
    return renderer->isValid() ? renderer.get() : nullptr;
}

} // namespace

QString pictureSource(const QString &picturePath)
{
    return picturePath;
}

void paintPicture(QPainter &painter, const QString &picturePath, const QRectF &target)
{
    if (QSvgRenderer *renderer = rendererFor(picturePath))
        renderer->render(&painter, centredFit(renderer->defaultSize(), target));
}

} // namespace kalyxteron
