// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// What the Greek voice is given to say: numbers, problems and dates as Greek words, and any
// text of the screens made ready for a voice that reads Greek script only.
namespace kalyxteron {

enum class Operator { Plus, Minus, Times, DividedBy };

inline constexpr int kLargestNumberInWords = 999999; // longer digit runs are read digit by digit

/// A whole number as a teacher reads it: 100 «εκατό», 101 «εκατόν ένα», 1000 «χίλια»,
/// 3000 «τρεις χιλιάδες» (χιλιάδα is feminine), -145 «μείον εκατόν σαράντα πέντε».
/// |value| at most kLargestNumberInWords.
QString numberWords(int value);

/// Two operands as a problem is read out: 17, 5 «δεκαεπτά και πέντε».
QString operandsWords(int first, int second);

/// An operation: 17 − 5 «δεκαεπτά πλην πέντε».
QString problemWords(int first, Operator op, int second);

/// A date as it is read: «εννέα Δεκεμβρίου δύο χιλιάδες είκοσι έξι»; the first of a month
/// is «πρώτη», the other days take the feminine («τρεις», «είκοσι μία»), the month its genitive.
QString dateWords(const QDate &date);

/// A text of the screens as the voice should read it, its words kept: digit runs as words
/// (with their sign: "-12" «μείον δώδεκα»), the «<< >>» marks left out, Latin-script words in
/// Greek spelling (the few of the mascots' stories as a Greek teacher reads them, others
/// letter by letter), Latin look-alike letters inside Greek words read as the Greek ones, and
/// the stories' names written in capitals with their stress.
QString textForSpeech(QStringView text);

} // namespace kalyxteron
