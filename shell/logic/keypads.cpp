// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/keypads.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kalyxteron {

namespace {

constexpr int kKey = kQuartersPerKey;

constexpr QStringView kErase = u"⌫";
constexpr QStringView kEraseName = u"Σβήσιμο";
constexpr QStringView kClose = u"Κλείσιμο";

// The digits as a calculator sets them, 7 8 9 on top, with the minus sign, erase and close under them.
constexpr std::array kNumberKeys{
    PadKey{.row = 0, .column = 0, .width = kKey, .action = KeyAction::Type, .text = u"7"},
    PadKey{.row = 0, .column = 4, .width = kKey, .action = KeyAction::Type, .text = u"8"},
    PadKey{.row = 0, .column = 8, .width = kKey, .action = KeyAction::Type, .text = u"9"},
    PadKey{.row = 1, .column = 0, .width = kKey, .action = KeyAction::Type, .text = u"4"},
    PadKey{.row = 1, .column = 4, .width = kKey, .action = KeyAction::Type, .text = u"5"},
    PadKey{.row = 1, .column = 8, .width = kKey, .action = KeyAction::Type, .text = u"6"},
    PadKey{.row = 2, .column = 0, .width = kKey, .action = KeyAction::Type, .text = u"1"},
    PadKey{.row = 2, .column = 4, .width = kKey, .action = KeyAction::Type, .text = u"2"},
    PadKey{.row = 2, .column = 8, .width = kKey, .action = KeyAction::Type, .text = u"3"},
    PadKey{
        .row = 3, .column = 0, .width = kKey, .action = KeyAction::Type, .text = u"-", .shown = u"−", .name = u"Μείον"},
    PadKey{.row = 3, .column = 4, .width = kKey, .action = KeyAction::Type, .text = u"0"},
    PadKey{.row = 3, .column = 8, .width = kKey, .action = KeyAction::Erase, .shown = kErase, .name = kEraseName},
    PadKey{.row = 4, .column = 0, .width = 3 * kKey, .action = KeyAction::Close, .shown = kClose},
};

// The rows of a Greek keyboard, each letter where its key stands (the rows set off from one another
// as on a keyboard), with the tonos and the dialytika on the key right of λ, as there.
constexpr PadKey letter(int row, int column, QStringView text)
{
    return PadKey{.row = row, .column = column, .width = kKey, .action = KeyAction::Type, .text = text};
}
constexpr int kLettersRow1 = 6; // ς stands where W does, between 2 and 3
constexpr int kLettersRow2 = 3; // α under Q and W, as A
constexpr int kLettersRow3 = 5; // ζ under A and S, as Z
constexpr std::array kGreekKeys{
    letter(0, 0, u"1"),
    letter(0, 4, u"2"),
    letter(0, 8, u"3"),
    letter(0, 12, u"4"),
    letter(0, 16, u"5"),
    letter(0, 20, u"6"),
    letter(0, 24, u"7"),
    letter(0, 28, u"8"),
    letter(0, 32, u"9"),
    letter(0, 36, u"0"),
    letter(0, 40, u"-"),
    PadKey{.row = 0, .column = 44, .width = 7, .action = KeyAction::Erase, .shown = kErase, .name = kEraseName},
    letter(1, kLettersRow1, u"ς"),
    letter(1, kLettersRow1 + 4, u"ε"),
    letter(1, kLettersRow1 + 8, u"ρ"),
    letter(1, kLettersRow1 + 12, u"τ"),
    letter(1, kLettersRow1 + 16, u"υ"),
    letter(1, kLettersRow1 + 20, u"θ"),
    letter(1, kLettersRow1 + 24, u"ι"),
    letter(1, kLettersRow1 + 28, u"ο"),
    letter(1, kLettersRow1 + 32, u"π"),
    letter(2, kLettersRow2, u"α"),
    letter(2, kLettersRow2 + 4, u"σ"),
    letter(2, kLettersRow2 + 8, u"δ"),
    letter(2, kLettersRow2 + 12, u"φ"),
    letter(2, kLettersRow2 + 16, u"γ"),
    letter(2, kLettersRow2 + 20, u"η"),
    letter(2, kLettersRow2 + 24, u"ξ"),
    letter(2, kLettersRow2 + 28, u"κ"),
    letter(2, kLettersRow2 + 32, u"λ"),
    PadKey{.row = 2,
           .column = kLettersRow2 + 36,
           .width = kKey,
           .action = KeyAction::Tonos,
           .shown = u"΄",
           .name = u"Τόνος"},
    PadKey{.row = 2,
           .column = kLettersRow2 + 40,
           .width = kKey,
           .action = KeyAction::Dialytika,
           .shown = u"¨",
           .name = u"Διαλυτικά"},
    PadKey{.row = 3,
           .column = 0,
           .width = kLettersRow3,
           .action = KeyAction::Capitals,
           .shown = u"⇧",
           .name = u"Κεφαλαία"},
    letter(3, kLettersRow3, u"ζ"),
    letter(3, kLettersRow3 + 4, u"χ"),
    letter(3, kLettersRow3 + 8, u"ψ"),
    letter(3, kLettersRow3 + 12, u"ω"),
    letter(3, kLettersRow3 + 16, u"β"),
    letter(3, kLettersRow3 + 20, u"ν"),
    letter(3, kLettersRow3 + 24, u"μ"),
    PadKey{.row = 4, .column = 9, .width = 6 * kKey, .action = KeyAction::Type, .text = u" ", .name = u"Κενό"},
    PadKey{.row = 4, .column = 37, .width = 14, .action = KeyAction::Close, .shown = kClose},
};

// A number pad stands beside its field, a keyboard under it, where the diploma has room.
constexpr std::array kBesideSides{Side::Right, Side::Left, Side::Below, Side::Above};
constexpr std::array kUnderSides{Side::Below, Side::Above};

const std::array<PadDesign, 2> kPads{{
    {PadKind::Numbers, "numberPad", u"Πληκτρολόγιο αριθμών", kNumberKeys, 3 * kKey, 5, kBesideSides},
    {PadKind::Greek, "greekKeyboard", u"Ελληνικό πληκτρολόγιο", kGreekKeys, 51, 5, kUnderSides},
}};

constexpr char16_t kCombiningTonos = u'\u0301';
constexpr char16_t kCombiningDialytika = u'\u0308';

// The edges beyond which a pad may stand on a side: past the field, then past each rectangle to
// keep clear that reaches beyond the field on that side, nearest first.
std::vector<int> edgesOn(Side side, QSize size, QRect field, std::span<const QRect> blocks, int gap)
{
    std::vector<int> edges;
    for (const QRect &block : blocks) {
        switch (side) {
        case Side::Right:
            if (block.right() >= field.right())
                edges.push_back(block.right() + 1 + gap);
            break;
        case Side::Left:
            if (block.left() <= field.left())
                edges.push_back(block.left() - gap - size.width());
            break;
        case Side::Below:
            if (block.bottom() >= field.bottom())
                edges.push_back(block.bottom() + 1 + gap);
            break;
        case Side::Above:
            if (block.top() <= field.top())
                edges.push_back(block.top() - gap - size.height());
            break;
        }
    }
    const bool outward = side == Side::Right || side == Side::Below;
    std::sort(edges.begin(), edges.end(), [outward](int a, int b) { return outward ? a < b : a > b; });
    return edges;
}

// A rectangle moved as little as it takes to lie inside the room, where it can.
QRect within(QRect rect, QRect room)
{
    rect.moveLeft(std::clamp(rect.left(), room.left(), std::max(room.left(), room.right() + 1 - rect.width())));
    rect.moveTop(std::clamp(rect.top(), room.top(), std::max(room.top(), room.bottom() + 1 - rect.height())));
    return rect;
}

} // namespace

const PadDesign &padDesign(PadKind kind)
{
    return kPads[std::size_t(kind)];
}

int keySide(int designSide, double scale, double pixelsPerMm, double leastMm)
{
    const int scaled = int(std::lround(designSide * scale));
    const int least = pixelsPerMm > 0 ? int(std::ceil(leastMm * pixelsPerMm)) : 0;
    return std::max(scaled, least);
}

QString keyText(QStringView letter, bool capital, bool tonos, bool dialytika)
{
    const QString base = capital ? letter.toString().toUpper() : letter.toString();
    if (!tonos && !dialytika)
        return base;
    QString marked = base;
    if (dialytika)
        marked += QChar(kCombiningDialytika);
    if (tonos)
        marked += QChar(kCombiningTonos);
    const QString composed = marked.normalized(QString::NormalizationForm_C);
    return composed.size() == 1 ? composed : base;
}

std::optional<QRect> placeBeside(QSize size, QRect field, std::span<const QRect> keepClear, QRect room, int gap,
                                 std::span<const Side> sides)
{
    std::vector<QRect> blocks{field};
    blocks.insert(blocks.end(), keepClear.begin(), keepClear.end());
    const auto clear = [&blocks](QRect rect) {
        return std::none_of(blocks.begin(), blocks.end(), [rect](QRect block) { return rect.intersects(block); });
    };
    for (Side side : sides) {
        const bool across = side == Side::Right || side == Side::Left;
        // Level with the field's top, its bottom or its middle; or under it at its left, its right or its middle.
        const std::array alongs =
            across ? std::array{field.top(), field.bottom() + 1 - size.height(), field.center().y() - size.height() / 2}
                   : std::array{field.left(), field.right() + 1 - size.width(), field.center().x() - size.width() / 2};
        for (int edge : edgesOn(side, size, field, blocks, gap)) {
            for (int along : alongs) {
                const QRect rect =
                    within(across ? QRect(QPoint(edge, along), size) : QRect(QPoint(along, edge), size), room);
                if (room.contains(rect) && clear(rect))
                    return rect;
            }
        }
    }
    return std::nullopt;
}

} // namespace kalyxteron
