// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QStringView>

#include <functional>

// Long runs of blanks in the program's captions are layout: each one ends a
// line, and the words after it begin the next.
namespace kalyxteron {

inline constexpr int kLineBreakingRun = 3; // blanks in a row that end a line
inline constexpr int kDottedRun = 3;       // full stops in a row that are a dotted line, not text

/// The lines a caption shows: split at every run of three or more blanks, each line without
/// its trailing blanks; a leading blank of the first line and runs of two inside a line stay.
QStringList shownLines(QStringView caption);

/// A text without the dotted lines of a field to be written on (runs of three or more full stops).
QString withoutDottedLines(QStringView text);

/// A caption no wider than a room, as `widthOf` measures it: its longest run of blanks cut as
/// short as it must be, down to one blank; the rest of it as it stands.
QString captionWithin(QStringView caption, int room, const std::function<int(QStringView)> &widthOf);

} // namespace kalyxteron
