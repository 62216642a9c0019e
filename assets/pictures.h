// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>

// Which picture shows what: every image box of every screen names one of these.
namespace kalyxteron {

enum class Mascot {
    Munich1972,
    Montreal1976,
    Moscow1980,
    LosAngeles1984,
    Seoul1988,
    Barcelona1992,
    Atlanta1996,
    Sydney2000,
    Athens2004,
};
inline constexpr int kMascotCount = 9;

enum class Sport {
    Baseball,
    Tennis,
    Athletics,
    Archery,
    Weightlifting,
    Basketball,
    Boxing,
    Football,
    Gymnastics,
    Handball,
    Equestrian,
    Sailing,
    Fencing,
    Rowing,
    Badminton,
    Wrestling,
    TableTennis,
    Cycling,
    Shooting,
    Softball,
    Taekwondo,
    Judo,
    Volleyball,
    FieldHockey,
    Aquatics,
};
inline constexpr int kSportCount = 25;

enum class Picture { DiplomaCentre, HomeBackground, CreditsBackground, Icon };

/// The resource path of a picture (":/pictures/...").
QString picturePath(Mascot mascot);
QString picturePath(Sport sport);
QString picturePath(Picture picture);

/// What the picture shows, in Greek, for screen readers.
QString describe(Mascot mascot);
QString describe(Sport sport);
QString describe(Picture picture);

/// Every embedded picture, for checks that load them all.
QStringList allPicturePaths();

/// The largest size at which a picture is shown on any screen, in pixels.
QSize shownSize(const QString &picturePath);

} // namespace kalyxteron
