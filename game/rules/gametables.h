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
    {Mascot::Munich1972, u"monaxo1972", u"1972"},
    {Mascot::Montreal1976, u"montreal1976", u"1976"},
    {Mascot::Moscow1980, u"mosxa1980", u"1980"},
    {Mascot::LosAngeles1984, u"La1984", u"1984"},
    {Mascot::Seoul1988, u"seoul1988", u"1988"},
    {Mascot::Barcelona1992, u"varkeloni1992", u"1992"},
    {Mascot::Atlanta1996, u"atlanta1996", u"1996"},
    {Mascot::Sydney2000, u"sydney2000", u"2000"},
    {Mascot::Athens2004, u"athina2004", u"2004"},
}};

struct SportRow {
    Sport sport;
    QStringView box;     // the image box's name; athletics has one box for its two rows
    QStringView caption; // blanks as they stand
};

// 26 rows for 25 sports: athletics stands twice, so it comes up twice as often.
inline constexpr int kSportDrawCount = 26;

inline constexpr std::array<SportRow, kSportDrawCount> kSportTable{{
    {Sport::Baseball, u"baseball", u" Μπείζμπολ"},
    {Sport::Tennis, u"tennisneo", u"Τένις "},
    {Sport::Athletics, u"stivos", u"Στίβος"},
    {Sport::Archery, u"tojov", u" Τοξοβολία"},
    {Sport::Weightlifting, u"arsivaron", u" Άρση Βαρών"},
    {Sport::Basketball, u"basket", u" Μπάσκετ"},
    {Sport::Boxing, u"bygmaxia", u" Πυγμαχία"},
    {Sport::Football, u"football", u" Ποδόσφαιρο"},
    {Sport::Gymnastics, u"gymn", u" Γυμναστική"},
    {Sport::Handball, u"handball", u" Χάντμπολ"},
    {Sport::Equestrian, u"ippasia", u" Ιππασία"},
    {Sport::Sailing, u"istiopl", u"Ιστιοπλοΐα"},
    {Sport::Fencing, u"jifaskia", u" Ξιφασκία"},
    {Sport::Rowing, u"kopilasia", u" Κωπηλασία"},
    {Sport::Badminton, u"mbtminton", u" Μπάτμιντον"},
    {Sport::Wrestling, u"pali", u" Πάλη"},
    {Sport::TableTennis, u"pinkBall", u"Πινγκ  πονγκ "},
    {Sport::Cycling, u"podilasia", u" Ποδηλασία"},
    {Sport::Shooting, u"skopovoli", u"Σκοποβολή"},
    {Sport::Softball, u"softball", u" Σόφτμπολ"},
    {Sport::Athletics, u"stivos", u" Στίβος"},
    {Sport::Taekwondo, u"taekvonto", u"Ταεκβοντό"},
    {Sport::Judo, u"tzounto", u"Τζούντο"},
    {Sport::Volleyball, u"volei", u" Βόλεϊ"},
    {Sport::FieldHockey, u"xokei", u" Χόκεϊ επί χόρτου"},
    {Sport::Aquatics, u"ygrosstivos", u" Υγρός Στίβος"},
}};

inline constexpr qint16 kMascotDiplomaScore = 20; // points that earn the mascot diploma

} // namespace kalyxteron
