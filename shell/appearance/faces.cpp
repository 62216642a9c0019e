// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/appearance/faces.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kalyxteron {

namespace {

// Faces of a chancery hand with Greek, best first: URW's (fonts-urw-base35, and inside the
// Windows program), whose measures the screens are laid out and tested with, then Windows's own.
const QStringList kCalligraphicFamilies{QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
                                        QStringLiteral("Monotype Corsiva")};
// Where none is installed: a serif every install has (fonts-dejavu-core), slanted.
const QString kFallbackFamily = QStringLiteral("DejaVu Serif");
// The fallback's size for the same width of Greek text as URW's Z003 (measured: 0.70 to 0.74
// of the size in regular weight, 0.64 to 0.66 in bold).
constexpr double kFallbackScale = 0.7;
constexpr double kFallbackBoldScale = 0.64;

bool calligraphicFaceInstalled()
{
    provideFaces();
    static const bool installed = std::any_of(kCalligraphicFamilies.begin(), kCalligraphicFamilies.end(),
                                              [](const QString &family) { return QFontDatabase::hasFamily(family); });
    return installed;
}

QFont::Weight heaviestWeight(const QString &family)
{
    int heaviest = QFont::Normal;
    for (const QString &style : QFontDatabase::styles(family))
        heaviest = std::max(heaviest, QFontDatabase::weight(family, style));
    return QFont::Weight(std::min(heaviest, int(QFont::Bold)));
}

} // namespace

QFont plainFont(int pointSize, bool bold, bool italic)
{
    provideFaces();
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Segoe UI"), QStringLiteral("Arial")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont calligraphicFont(int pointSize, bool bold)
{
    QFont font;
    font.setStyleHint(QFont::Serif);
    font.setItalic(true);
    if (calligraphicFaceInstalled()) {
        font.setFamilies(kCalligraphicFamilies);
        font.setPointSize(pointSize);
        // As heavy as the face comes, never heavier: URW's hand has one weight, which fontconfig
        // draws as it is while Windows would thicken its strokes (and widen every word).
        font.setWeight(bold ? heaviestWeight(QFontInfo(font).family()) : QFont::Normal);
    } else {
        // A chancery hand is narrow: the serif standing in for it, at the same size, is about
        // 1.4 times as wide (1.55 in bold) and would be cut off by the boxes laid out for it.
        font.setFamily(kFallbackFamily);
        font.setPointSize(std::max(1, int(std::lround(pointSize * (bold ? kFallbackBoldScale : kFallbackScale)))));
        font.setBold(bold);
    }
    return font;
}

QFont serifFont(int pointSize, bool bold, bool italic)
{
    provideFaces();
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Times New Roman")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace kalyxteron
