// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/appearance/fieldtext.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace kalyxteron {

namespace {
constexpr char kFittedAtDesign[] = "kalyxteronTextFittedAtDesign"; // kept on the field itself
} // namespace

QRect textRect(const QLineEdit &field)
{
    constexpr int kLineEditInnerMargin = 2; // Qt's line edit keeps this on either side of its text
    return field.contentsRect()
        .marginsRemoved(field.textMargins())
        .adjusted(kLineEditInnerMargin, 0, -kLineEditInnerMargin, 0);
}

QFont faceFittingText(const QLineEdit &field, const QFont &face, double least)
{
    // Faces may come only in whole pixel sizes: each try is at least a step smaller.
    constexpr int kTries = 8;
    constexpr double kLeastStep = 0.97;
    const int room = textRect(field).width();
    QFont shown = face;
    for (int attempt = 0; attempt < kTries && face.pointSizeF() > 0 && room > 0; ++attempt) {
        const int needed = QFontMetrics(shown, &field).horizontalAdvance(field.text());
        const double now = shown.pointSizeF() / face.pointSizeF();
        const double share = std::max(least, now * std::min(kLeastStep, double(room) / (needed + 1)));
        if (needed <= room || share >= now)
            break;
        shown.setPointSizeF(face.pointSizeF() * share);
    }
    return shown;
}

void noteWhetherTextFits(QLineEdit &field)
{
    field.setProperty(kFittedAtDesign, field.fontMetrics().horizontalAdvance(field.text()) <= textRect(field).width());
}

bool textFittedAtDesign(const QLineEdit &field)
{
    return field.property(kFittedAtDesign).toBool();
}

} // namespace kalyxteron
