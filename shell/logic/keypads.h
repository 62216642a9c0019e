// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// The program's own on-screen pads, for a pupil at a touch panel with no keyboard in reach: a
// number pad beside a number field, and a Greek keyboard beside a diploma's name field. What
// their keys are, where a pad goes beside its field and how large its keys are, as plain rules.
namespace kalyxteron {

enum class PadKind { Numbers, Greek };

/// What a key does when it is pressed.
enum class KeyAction {
    Type,      // types what it shows, as the same key of a keyboard would
    Erase,     // the letter left of the caret (Backspace)
    Close,     // puts the pad away
    Capitals,  // the next letter is a capital
    Tonos,     // the next vowel takes a tonos
    Dialytika, // the next vowel takes a dialytika
};

/// A key's width in the units its place is given in: quarters, as keyboards' rows are set off.
constexpr int kQuartersPerKey = 4;

/// A key: where it stands, in quarters of a key from the pad's top left, and what it is.
struct PadKey {
    int row;
    int column; // in quarters of a key
    int width;  // in quarters of a key
    KeyAction action;
    QStringView text = {};  // what it types, where it types
    QStringView shown = {}; // what its face shows, where that is not its text
    QStringView name = {};  // what a screen reader calls it, where its face does not say
};

/// The side of its field a pad may stand on.
enum class Side { Right, Left, Below, Above };

/// What sets the two pads apart.
struct PadDesign {
    PadKind kind;
    const char *objectName;
    QStringView name; // what a screen reader calls the pad
    std::span<const PadKey> keys;
    int columns; // its width, in quarters of a key
    int rows;
    std::span<const Side> sides; // where it stands beside its field, best first
};

const PadDesign &padDesign(PadKind kind);

/// The least size of a key on the display, across: a child's fingertip hits it.
constexpr double kLeastKeyMillimetres = 10.0;

/// A key's side in pixels: the design's at the screen's scale, but never less than `leastMm`
/// on a display of `pixelsPerMm`.
int keySide(int designSide, double scale, double pixelsPerMm, double leastMm = kLeastKeyMillimetres);

/// What a letter key types with the next letter a capital, with a tonos or with a dialytika:
/// the one letter that makes, or the letter (or its capital) alone where there is none.
QString keyText(QStringView letter, bool capital, bool tonos, bool dialytika);

/// Where a pad of `size` stands beside `field` in `room`: on the first of `sides` where it is
/// clear of the field and of every rectangle in `keepClear`, `gap` away from them, as near the
/// field as that allows; nothing where no side has room.
std::optional<QRect> placeBeside(QSize size, QRect field, std::span<const QRect> keepClear, QRect room, int gap,
                                 std::span<const Side> sides);

} // namespace kalyxteron
