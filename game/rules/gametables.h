// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "assets/pictures.h"

#include <QStringView>
#include <QtGlobal>

#include <array>

// The mascot quiz: which mascot a draw shows and the year that answers it,
// and which sport a right year earns. Each table is looked up by a draw of
// one of its size.
namespace kalyxteron {

struct GameMascotRow {
    Mascot mascot;
    QStringView box;  // the image box's name on the game screen
    QStringView year; // the answer, as the hidden field holds it
};

// The game orders and names its mascots its own way, not as the practice screens do.
inline constexpr std::array<GameMascotRow, kMascotCount> kGameMascotTable{{
    {.mascot = Mascot::Munich1972, .box = u"monaxo1972", .year = u"1972"},
    {.mascot = Mascot::Montreal1976, .box = u"montreal1976", .year = u"1976"},
    {.mascot = Mascot::Moscow1980, .box = u"mosxa1980", .year = u"1980"},
    {.mascot = Mascot::LosAngeles1984, .box = u"La1984", .year = u"1984"},
    {.mascot = Mascot::Seoul1988, .box = u"seoul1988", .year = u"1988"},
    {.mascot = Mascot::Barcelona1992, .box = u"varkeloni1992", .year = u"1992"},
    {.mascot = Mascot::Atlanta1996, .box = u"atlanta1996", .year = u"1996"},
    {.mascot = Mascot::Sydney2000, .box = u"sydney2000", .year = u"2000"},
    {.mascot = Mascot::Athens2004, .box = u"athina2004", .year = u"2004"},
}};

struct SportRow {
    Sport sport;
    QStringView box;     // the image box's name; athletics has one box for its two rows
    QStringView caption; // blanks as they stand
};

// 26 rows for 25 sports: athletics stands twice, so it comes up twice as often.
inline constexpr int kSportDrawCount = 26;

inline constexpr std::array<SportRow, kSportDrawCount> kSportTable{{
    {.sport = Sport::Baseball, .box = u"baseball", .caption = u" Μπείζμπολ"},
    {.sport = Sport::Tennis, .box = u"tennisneo", .caption = u"Τένις "},
    {.sport = Sport::Athletics, .box = u"stivos", .caption = u"Στίβος"},
    {.sport = Sport::Archery, .box = u"tojov", .caption = u" Τοξοβολία"},
    {.sport = Sport::Weightlifting, .box = u"arsivaron", .caption = u" Άρση Βαρών"},
    {.sport = Sport::Basketball, .box = u"basket", .caption = u" Μπάσκετ"},
    {.sport = Sport::Boxing, .box = u"bygmaxia", .caption = u" Πυγμαχία"},
    {.sport = Sport::Football, .box = u"football", .caption = u" Ποδόσφαιρο"},
    {.sport = Sport::Gymnastics, .box = u"gymn", .caption = u" Γυμναστική"},
    {.sport = Sport::Handball, .box = u"handball", .caption = u" Χάντμπολ"},
    {.sport = Sport::Equestrian, .box = u"ippasia", .caption = u" Ιππασία"},
    {.sport = Sport::Sailing, .box = u"istiopl", .caption = u"Ιστιοπλοΐα"},
    {.sport = Sport::Fencing, .box = u"jifaskia", .caption = u" Ξιφασκία"},
    {.sport = Sport::Rowing, .box = u"kopilasia", .caption = u" Κωπηλασία"},
    {.sport = Sport::Badminton, .box = u"mbtminton", .caption = u" Μπάτμιντον"},
    {.sport = Sport::Wrestling, .box = u"pali", .caption = u" Πάλη"},
    {.sport = Sport::TableTennis, .box = u"pinkBall", .caption = u"Πινγκ  πονγκ "},
    {.sport = Sport::Cycling, .box = u"podilasia", .caption = u" Ποδηλασία"},
    {.sport = Sport::Shooting, .box = u"skopovoli", .caption = u"Σκοποβολή"},
    {.sport = Sport::Softball, .box = u"softball", .caption = u" Σόφτμπολ"},
    {.sport = Sport::Athletics, .box = u"stivos", .caption = u" Στίβος"},
    {.sport = Sport::Taekwondo, .box = u"taekvonto", .caption = u"Ταεκβοντό"},
    {.sport = Sport::Judo, .box = u"tzounto", .caption = u"Τζούντο"},
    {.sport = Sport::Volleyball, .box = u"volei", .caption = u" Βόλεϊ"},
    {.sport = Sport::FieldHockey, .box = u"xokei", .caption = u" Χόκεϊ επί χόρτου"},
    {.sport = Sport::Aquatics, .box = u"ygrosstivos", .caption = u" Υγρός Στίβος"},
}};

inline constexpr qint16 kMascotDiplomaScore = 20; // points that earn the mascot diploma

} // namespace kalyxteron
