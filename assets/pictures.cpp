// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/pictures.h"

#include <QStringList>

#include <array>

namespace kalyxteron {

namespace {

struct Entry {
    const char *file;
    const char *greek;
};

constexpr std::array<Entry, kMascotCount> kMascots{{
    {.file = "mascots/munich1972.svg", .greek = "Βάλντι, το σκυλάκι των Ολυμπιακών Αγώνων του Μονάχου 1972"},
    {.file = "mascots/montreal1976.svg", .greek = "Αμίκ, ο κάστορας των Ολυμπιακών Αγώνων του Μόντρεαλ 1976"},
    {.file = "mascots/moscow1980.svg", .greek = "Μίσα, το αρκουδάκι των Ολυμπιακών Αγώνων της Μόσχας 1980"},
    {.file = "mascots/losangeles1984.svg", .greek = "Σαμ, ο αετός των Ολυμπιακών Αγώνων του Λος Άντζελες 1984"},
    {.file = "mascots/seoul1988.svg", .greek = "Χοντόρι, το τιγράκι των Ολυμπιακών Αγώνων της Σεούλ 1988"},
    {.file = "mascots/barcelona1992.svg", .greek = "Κόμπι, το σκυλάκι των Ολυμπιακών Αγώνων της Βαρκελώνης 1992"},
    {.file = "mascots/atlanta1996.svg", .greek = "Ίζι, η μασκότ των Ολυμπιακών Αγώνων της Ατλάντα 1996"},
    {.file = "mascots/sydney2000.svg", .greek = "Όλι, Σιντ και Μίλι, οι μασκότ των Ολυμπιακών Αγώνων του Σίδνεϊ 2000"},
    {.file = "mascots/athens2004.svg", .greek = "Φοίβος και Αθηνά, οι μασκότ των Ολυμπιακών Αγώνων της Αθήνας 2004"},
}};

constexpr std::array<Entry, kSportCount> kSports{{
    {.file = "sports/baseball.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν μπέιζμπολ"},
    {.file = "sports/tennis.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν τένις"},
    {.file = "sports/athletics.svg", .greek = "Ο Φοίβος και η Αθηνά τρέχουν στον στίβο"},
    {.file = "sports/archery.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν τοξοβολία"},
    {.file = "sports/weightlifting.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν άρση βαρών"},
    {.file = "sports/basketball.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν μπάσκετ"},
    {.file = "sports/boxing.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν πυγμαχία"},
    {.file = "sports/football.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν ποδόσφαιρο"},
    {.file = "sports/gymnastics.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν γυμναστική"},
    {.file = "sports/handball.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν χάντμπολ"},
    {.file = "sports/equestrian.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν ιππασία"},
    {.file = "sports/sailing.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν ιστιοπλοΐα"},
    {.file = "sports/fencing.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν ξιφασκία"},
    {.file = "sports/rowing.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν κωπηλασία"},
    {.file = "sports/badminton.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν μπάτμιντον"},
    {.file = "sports/wrestling.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν πάλη"},
    {.file = "sports/tabletennis.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν πινγκ πονγκ"},
    {.file = "sports/cycling.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν ποδηλασία"},
    {.file = "sports/shooting.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν σκοποβολή"},
    {.file = "sports/softball.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν σόφτμπολ"},
    {.file = "sports/taekwondo.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν ταεκβοντό"},
    {.file = "sports/judo.svg", .greek = "Ο Φοίβος και η Αθηνά κάνουν τζούντο"},
    {.file = "sports/volleyball.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν βόλεϊ"},
    {.file = "sports/fieldhockey.svg", .greek = "Ο Φοίβος και η Αθηνά παίζουν χόκεϊ επί χόρτου"},
    {.file = "sports/aquatics.svg", .greek = "Ο Φοίβος και η Αθηνά κολυμπούν"},
}};

constexpr std::array<Entry, 4> kOthers{{
    {.file = "diploma/centre.svg", .greek = "Ο Φοίβος και η Αθηνά με τις πορτοκαλί και μπλε μπλούζες τους"},
    {.file = "backgrounds/home.svg", .greek = "Χρωματιστοί αριθμοί"},
    {.file = "backgrounds/credits.svg", .greek = "Ένα αγόρι κυνηγά μια πεταλούδα με απόχη"},
    {.file = "icon/org.kalyxteron.Kalyxteron.svg", .greek = "Εικονίδιο του προγράμματος Kalyxteron"},
}};

QString path(const Entry &entry)
{
    return QStringLiteral(":/pictures/") + QLatin1String(entry.file);
}

} // namespace

QString picturePath(Mascot mascot)
{
    return path(kMascots[std::size_t(mascot)]);
}

QString picturePath(Sport sport)
{
    return path(kSports[std::size_t(sport)]);
}

QString picturePath(Picture picture)
{
    return path(kOthers[std::size_t(picture)]);
}

QString describe(Mascot mascot)
{
    return QString::fromUtf8(kMascots[std::size_t(mascot)].greek);
}

QString describe(Sport sport)
{
    return QString::fromUtf8(kSports[std::size_t(sport)].greek);
}

QString describe(Picture picture)
{
    return QString::fromUtf8(kOthers[std::size_t(picture)].greek);
}

QStringList allPicturePaths()
{
    QStringList paths;
    for (const auto &e : kMascots)
        paths << path(e);
    for (const auto &e : kSports)
        paths << path(e);
    for (const auto &e : kOthers)
        paths << path(e);
    return paths;
}

QSize shownSize(const QString &picturePath)
{
    // The game's mascot and sport panels inside their borders, the diploma centre, the screens.
    constexpr QSize kMascotArea{315, 316};
    constexpr QSize kSportArea{305, 264};
    constexpr QSize kCentre{159, 197};
    constexpr QSize kIcon{256, 256};
    if (picturePath == path(kOthers[std::size_t(Picture::HomeBackground)]))
        return {809, 588};
    if (picturePath == path(kOthers[std::size_t(Picture::CreditsBackground)]))
        return {809, 595};
    if (picturePath == path(kOthers[std::size_t(Picture::DiplomaCentre)]))
        return kCentre;
    if (picturePath == path(kOthers[std::size_t(Picture::Icon)]))
        return kIcon;
    if (picturePath.contains(QLatin1String("/sports/")))
        return kSportArea;
    return kMascotArea;
}

} // namespace kalyxteron
