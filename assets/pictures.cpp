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
    {"mascots/munich1972.svg", "Βάλντι, το σκυλάκι των Ολυμπιακών Αγώνων του Μονάχου 1972"},
    {"mascots/montreal1976.svg", "Αμίκ, ο κάστορας των Ολυμπιακών Αγώνων του Μόντρεαλ 1976"},
    {"mascots/moscow1980.svg", "Μίσα, το αρκουδάκι των Ολυμπιακών Αγώνων της Μόσχας 1980"},
    {"mascots/losangeles1984.svg", "Σαμ, ο αετός των Ολυμπιακών Αγώνων του Λος Άντζελες 1984"},
    {"mascots/seoul1988.svg", "Χοντόρι, το τιγράκι των Ολυμπιακών Αγώνων της Σεούλ 1988"},
    {"mascots/barcelona1992.svg", "Κόμπι, το σκυλάκι των Ολυμπιακών Αγώνων της Βαρκελώνης 1992"},
    {"mascots/atlanta1996.svg", "Ίζι, η μασκότ των Ολυμπιακών Αγώνων της Ατλάντα 1996"},
    {"mascots/sydney2000.svg", "Όλι, Σιντ και Μίλι, οι μασκότ των Ολυμπιακών Αγώνων του Σίδνεϊ 2000"},
    {"mascots/athens2004.svg", "Φοίβος και Αθηνά, οι μασκότ των Ολυμπιακών Αγώνων της Αθήνας 2004"},
}};

constexpr std::array<Entry, kSportCount> kSports{{
    {"sports/baseball.svg", "Ο Φοίβος και η Αθηνά παίζουν μπέιζμπολ"},
    {"sports/tennis.svg", "Ο Φοίβος και η Αθηνά παίζουν τένις"},
    {"sports/athletics.svg", "Ο Φοίβος και η Αθηνά τρέχουν στον στίβο"},
    {"sports/archery.svg", "Ο Φοίβος και η Αθηνά κάνουν τοξοβολία"},
    {"sports/weightlifting.svg", "Ο Φοίβος και η Αθηνά κάνουν άρση βαρών"},
    {"sports/basketball.svg", "Ο Φοίβος και η Αθηνά παίζουν μπάσκετ"},
    {"sports/boxing.svg", "Ο Φοίβος και η Αθηνά κάνουν πυγμαχία"},
    {"sports/football.svg", "Ο Φοίβος και η Αθηνά παίζουν ποδόσφαιρο"},
    {"sports/gymnastics.svg", "Ο Φοίβος και η Αθηνά κάνουν γυμναστική"},
    {"sports/handball.svg", "Ο Φοίβος και η Αθηνά παίζουν χάντμπολ"},
    {"sports/equestrian.svg", "Ο Φοίβος και η Αθηνά κάνουν ιππασία"},
    {"sports/sailing.svg", "Ο Φοίβος και η Αθηνά κάνουν ιστιοπλοΐα"},
    {"sports/fencing.svg", "Ο Φοίβος και η Αθηνά κάνουν ξιφασκία"},
    {"sports/rowing.svg", "Ο Φοίβος και η Αθηνά κάνουν κωπηλασία"},
    {"sports/badminton.svg", "Ο Φοίβος και η Αθηνά παίζουν μπάτμιντον"},
    {"sports/wrestling.svg", "Ο Φοίβος και η Αθηνά κάνουν πάλη"},
    {"sports/tabletennis.svg", "Ο Φοίβος και η Αθηνά παίζουν πινγκ πονγκ"},
    {"sports/cycling.svg", "Ο Φοίβος και η Αθηνά κάνουν ποδηλασία"},
    {"sports/shooting.svg", "Ο Φοίβος και η Αθηνά κάνουν σκοποβολή"},
    {"sports/softball.svg", "Ο Φοίβος και η Αθηνά παίζουν σόφτμπολ"},
    {"sports/taekwondo.svg", "Ο Φοίβος και η Αθηνά κάνουν ταεκβοντό"},
    {"sports/judo.svg", "Ο Φοίβος και η Αθηνά κάνουν τζούντο"},
    {"sports/volleyball.svg", "Ο Φοίβος και η Αθηνά παίζουν βόλεϊ"},
    {"sports/fieldhockey.svg", "Ο Φοίβος και η Αθηνά παίζουν χόκεϊ επί χόρτου"},
    {"sports/aquatics.svg", "Ο Φοίβος και η Αθηνά κολυμπούν"},
}};

constexpr std::array<Entry, 4> kOthers{{
    {"diploma/centre.svg", "Ο Φοίβος και η Αθηνά με τις πορτοκαλί και μπλε μπλούζες τους"},
    {"backgrounds/home.svg", "Χρωματιστοί αριθμοί"},
    {"backgrounds/credits.svg", "Ένα αγόρι κυνηγά μια πεταλούδα με απόχη"},
    {"icon/org.kalyxteron.Kalyxteron.svg", "Εικονίδιο του προγράμματος Kalyxteron"},
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
