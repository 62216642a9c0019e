// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/printing/typesetting.h"

#include "shell/logic/geometry.h"
#include "shell/printing/page.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QList>

#include <algorithm>

namespace kalyxteron {

namespace {
constexpr double kPointsPerInch = 72;
} // namespace

TextSetting setInRoom(const QString &text, const QFontMetricsF &face, QSizeF room)
{
    // As large as the lines' widest and their height together allow, never larger than the face.
    const auto shareFor = [&](qreal widest, qsizetype lines) {
        const qreal tall = face.height() * qreal(lines);
        double share = 1.0;
        if (widest > room.width() && widest > 0)
            share = room.width() / widest;
        if (tall > room.height() && tall > 0)
            share = std::min(share, room.height() / tall);
        return share;
    };
    TextSetting best{{text}, shareFor(face.horizontalAdvance(text), 1)};
    if (best.share >= 1.0)
        return best;

    QList<qsizetype> blanks;
    for (qsizetype at = text.indexOf(u' '); at >= 0; at = text.indexOf(u' ', at + 1))
        blanks << at;
    const auto lines = [&text](qsizetype blank) {
        return QStringList{text.left(blank).trimmed(), text.mid(blank + 1).trimmed()};
    };
    const auto widths = [&face](const QStringList &two) {
        return std::pair{face.horizontalAdvance(two[0]), face.horizontalAdvance(two[1])};
    };
    // The first line grows as the break moves on and the second shrinks: the balanced break is
    // where the first becomes the wider, or the blank before.
    const qsizetype crossing = std::partition_point(blanks.cbegin(), blanks.cend(),
                                                    [&](qsizetype blank) {
                                                        const auto [first, second] = widths(lines(blank));
                                                        return first < second;
                                                    }) -
                               blanks.cbegin();
    QStringList balanced;
    qreal balancedWidest = 0;
    for (const qsizetype at : {crossing - 1, crossing}) {
        if (at < 0 || at >= blanks.size())
            continue;
        const QStringList two = lines(blanks[at]);
        const auto [first, second] = widths(two);
        if (!two[0].isEmpty() && !two[1].isEmpty() &&
            (balanced.isEmpty() || std::max(first, second) < balancedWidest)) {
            balanced = two;
            balancedWidest = std::max(first, second);
        }
    }
    if (const double share = shareFor(balancedWidest, 2); !balanced.isEmpty() && share > best.share)
        best = {balanced, share};
    return best;
}

double leastPrintedShare(const QLineEdit &field, const QFont &face, const QWidget *area)
{
    const QRectF onPaper = centredFit(area->size(), keptPage().paintRect(QPageLayout::Point));
    const double facePixels =
        face.pixelSize() > 0 ? face.pixelSize() : face.pointSizeF() * field.logicalDpiY() / kPointsPerInch;
    const double printedPoints = area->width() > 0 ? facePixels * onPaper.width() / area->width() : 0.0;
    return printedPoints > kLeastPrintedPoints ? kLeastPrintedPoints / printedPoints : 1.0;
}

} // namespace kalyxteron
