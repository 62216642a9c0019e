// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "assets/pictures.h"
#include "shell/logic/screenid.h"

#include <QStringView>

#include <array>

// The words, mascots and diplomas with which a check answers the pupil.
// Each table is looked up by a draw of one of its size.
namespace kalyxteron {

inline constexpr std::array<QStringView, 4> kPraiseWords{
    u"Μπράβο",
    u"Το βρήκες",
    u"Σωστό",
    u"Τα κατάφερες",
};

inline constexpr std::array<QStringView, 4> kWarningWords{
    u"Ξαναδοκίμασε",
    u"Πρόσεξε",
    u"Λάθος",
    u"Ξανασκέψου",
};

struct MascotRow {
    Mascot mascot;
    QStringView box;   // the image box's name on the practice screens
    QStringView story; // in the mascot's own words, blanks as they stand
};

inline constexpr int kAthensRow = 7;

inline constexpr std::array<MascotRow, kMascotCount> kMascotTable{{
    {.mascot = Mascot::Atlanta1996,
     .box = u"atlanta1996",
     .story = u" Με φωνάζουν ΙΖΥ και προέρχομαι από τη φράση <<what is it?>> (τι είναι αυτό;). Με έφτιαξαν σε "
              u"ηλεκτρονικό υπολογιστή και είμαι για τους ανθρώπους μια αλλόκοτη μασκότ. Γεννήθηκα στους Ολυμπιακούς "
              u"Αγώνες του ΛΟΣ ΑΝΤΖΕΛΕΣ το 1996.  "},
    {.mascot = Mascot::Munich1972,
     .box = u"vlanti1972",
     .story = u" Φίλε μου γεια σου. Είμαι το σκυλάκι ο ΒΛΑΝΤΙ. Γεννήθηκα στο ΜΟΝΑΧΟ το 1972. Είμαι η πρώτη μασκότ των "
              u"Ολυμπιακών Αγώνων. Οι κάθετες λωρίδες που βρίσκονται στο σώμα μου συμβολίζουν τα Ολυμπιακά Χρώματα."},
    {.mascot = Mascot::Moscow1980,
     .box = u"misa1980",
     .story = u" Ονομάζομαι ΜΙΣΑ και είμαι η μασκότ της Μόσχας του 1980. Είμαι ένα αρκουδάκι που αγαπήθηκε πάρα πολύ. "
              u"Ήμουν η πρώτη μασκότ που αποτυπώθηκε σε γραμματόσημα."},
    {.mascot = Mascot::LosAngeles1984,
     .box = u"La1984",
     .story =
         u" Εγώ είμαι ο αετός ο ΣΑΜ. Γεννήθηκα στο Λος Άντζελες το 1984. Είμαι το σύμβολο των Ηνωμένων Πολιτειών."},
    {.mascot = Mascot::Seoul1988,
     .box = u"seoul1988",
     .story = u" Το όνομα μου είναι ΧΟΝΤOΡΙ. Φοράω ένα μετάλλιο με τους Ολυμπιακούς κύκλους και ένα καπέλο χορού, η "
              u"κορδέλα του οποίου είχε σχήμα S(Seoul). Για να μην το ξεχάσω γεννήθηκα στη ΣΕΟΥΛ το 1988."},
    {.mascot = Mascot::Barcelona1992,
     .box = u"varkeloni1992",
     .story = u" Εγώ είμαι το σκυλάκι ο ΚΟΜΠΙ. Γεννήθηκα στη ΒΑΡΚΕΛΩΝΗ το 1992. Οι άνθρωποι στην αρχή δεν με ήθελαν, "
              u"ύστερα όμως από την επιτυχία των Ολυμπιακών Αγώνων κέρδισα τις εντυπώσεις τους. "},
    {.mascot = Mascot::Sydney2000,
     .box = u"sidney2000",
     .story = u" Τα ονόματά μας είναι ΟΛΙ, ΣΙΝΤ και  ΜΙΛΙ. Εγώ η ΜΙΛΙ ήμουν μια έχιδνα και πήρα το όνομά μου από τη "
              u"λέξη millennium(χιλιετία). Εγώ είμαι η Όλι και ζούσα στο πιο ψηλό δέντρο του Ολυμπιακού πάρκου. Πήρα "
              u"το όνομα μου από τους Ολυμπιακούς Αγώνες. Εγώ είμαι ο Σιντ, ένας πλατύπους. Το όνομα μου προήλθε από "
              u"το Σίδνεϋ. Είμαστε η μασκότ του ΣΙΔΝΕΥ του 2000."},
    {.mascot = Mascot::Athens2004,
     .box = u"athina2004",
     .story = u"Νομίζω μας γνωρίζεις. Εγώ είμαι ο Φοίβος και η αδελφή μου η Αθηνά. Μας εμπνεύστηκαν από μια αρχαία "
              u"ελληνική κούκλα κωδονόσχημη  και  φτιαγμένη από τερακότα. Είμαστε η μασκότ της ΑΘΗΝΑΣ του 2004 "},
    {.mascot = Mascot::Montreal1976,
     .box = u"montreal1976",
     .story = u"Εγώ είμαι ο κάστορας Αμίκ και ήμουν η μασκότ των Ολυμπιακών Αγώνων του ΜΟΝΤΡΕΑΛ το 1976.  «Αμίκ» "
              u"σημαίνει κάστορας στην γλώσσα των Ινδιάνων της περιοχής και συμβολίζω τη σκληρή δουλειά."},
}};

/// The Athens story as the sum check of grades C to F tells it, with a full stop after the year.
inline constexpr QStringView kAthensStoryWithFullStop =
    u"Νομίζω μας γνωρίζεις. Εγώ είμαι ο Φοίβος και η αδελφή μου η Αθηνά. Μας εμπνεύστηκαν από μια αρχαία ελληνική "
    u"κούκλα κωδονόσχημη  και  φτιαγμένη από τερακότα. Είμαστε η μασκότ της ΑΘΗΝΑΣ του 2004. ";

/// The six practice diplomas, by draw; the draws do not follow the screens' numbers.
inline constexpr std::array<ScreenId, 6> kDiplomaTable{
    ScreenId::Diploma1, ScreenId::Diploma0, ScreenId::Diploma2,
    ScreenId::Diploma4, ScreenId::Diploma5, ScreenId::Diploma6,
};

inline constexpr double kDiplomaScore = 30; // points that earn a diploma

} // namespace kalyxteron
