// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "home/instructionsscreen.h"

#include "assets/pictures.h"
#include "shell/appearance/faces.h"
#include "shell/appearance/palette.h"
#include "shell/widgets/announcement.h"
#include "shell/widgets/controls.h"
#include "shell/widgets/linedcaption.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/picturebox.h"

#include <QLabel>
#include <QMenu>

namespace kalyxteron {

namespace {

constexpr QSize kInstructionsSize{703, 440};
constexpr QSize kCreditsSize{809, 595};

QString blanks(int count)
{
    return QString(count, u' ');
}

// The paragraphs with their runs of blanks: each long run ends a shown line.
const QString kParagraph1 = QStringLiteral(" 1. Για να αρχίσετε να εργάζεστε με το πρόγραμμα θα πρέπει να") +
                            blanks(15) + QStringLiteral("πατήσετε στο πράσινο κουμπί, για να εμφανιστούν δύο τυχαίοι") +
                            blanks(13) +
                            QStringLiteral("αριθμοί ή στο κουμπί \"Δάσκαλος-Μαθητής\", για να καθορίσετε") +
                            blanks(12) + QStringLiteral("τους δικούς σας αριθμούς.") + blanks(2);
const QString kParagraph2 = QStringLiteral("2.  Κάθε φορά θα πρέπει να ελέγχετε, αν η απάντηση σας είναι σωστή.") +
                            blanks(6) + QStringLiteral("Όταν βρείτε όλες τις απαντήσεις σας ορθές, τότε πατήστε στο") +
                            blanks(9) + QStringLiteral("κουμπί  \"διαγραφή\", για να σβήσετε όλους τους αριθμούς.") +
                            blanks(20) + QStringLiteral("Μπορείτε να ξαναδοκιμάσετε με νέους τυχαίους αριθμούς") +
                            blanks(19) +
                            QStringLiteral("πατώντας στο πράσινο κουμπί ή αριθμούς της δικής σας επιλογής") +
                            blanks(6) + QStringLiteral("πατώντας στο κουμπί \"Δάσκαλος- Μαθητής.\"") + blanks(2);
const QString kParagraph3 = QStringLiteral("3.  Για κάθε σωστή απάντηση κερδίζετε ένα βαθμό. Αν η απάντηση") +
                            blanks(11) + QStringLiteral("σας είναι λάθος, μπορείτε να διορθώσετε το λάθος σας. Όταν") +
                            blanks(13) + QStringLiteral("μαζέψετε 30 βαθμούς, τότε μπορείτε να συμπληρώσετε το") +
                            blanks(18) + QStringLiteral("σχολείο και το όνομα σας και να εκτυπώσετε το δίπλωμα σας.");

constexpr int kMakersTrailingBlanks = 67;

} // namespace

InstructionsScreen::InstructionsScreen()
    : Screen(ScreenId::Instructions, QStringLiteral("Οδηγίες - Τελμάριος & Κορβίδαλος"), kInstructionsSize)
{
    setColours(clientArea(), Qt::black, kInstructionsSurface);
    QLabel *title = addLabel(clientArea(), "lblodigies", QStringLiteral("Βασικές Οδηγίες"), QRect(0, 14, 703, 40));
    title->setAlignment(Qt::AlignCenter);
    title->setFont(plainFont(20, true));
    setColours(title, kInk);

    const QFont paragraphFont = plainFont(12);
    const struct {
        const char *name;
        const QString &text;
        int top;
        int height;
    } paragraphs[] = {
        {"Label1", kParagraph1, 68, 96},
        {"Label3", kParagraph2, 172, 140},
        {"Label4", kParagraph3, 314, 100},
    };
    QStringList heard{title->text()};
    for (const auto &p : paragraphs) {
        auto *label = new LinedLabel(clientArea(), p.name, p.text, QRect(16, p.top, 676, p.height));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(paragraphFont);
        heard << label->lines().join(u' ');
    }
    // Nothing here takes the focus, so a screen reader would find only the window's title.
    setSpokenInstructions(asSentences(heard));
    announceOnOpening(this, spokenInstructions());

    QMenu *choice = addList("epilogi", QStringLiteral("&Επιλογή"));
    addCommand(choice, "clasA", QStringLiteral("&Τάξη Α΄"), &InstructionsScreen::clasA_Click);
    addSeparator(choice, "mnusep1");
    addCommand(choice, "clasB", QStringLiteral("&Τάξη Β΄"), &InstructionsScreen::clasB_Click);
    addSeparator(choice, "mnusep2");
    addCommand(choice, "clasCST", QStringLiteral("&Τάξεις Γ΄- ΣΤ΄"), &InstructionsScreen::clasCST_Click);
}

void InstructionsScreen::clasA_Click()
{
    handOver(this, ScreenId::GradeA);
}

void InstructionsScreen::clasB_Click()
{
    handOver(this, ScreenId::GradeB);
}

void InstructionsScreen::clasCST_Click()
{
    handOver(this, ScreenId::GradesCtoF);
}

CreditsScreen::CreditsScreen()
    : Screen(ScreenId::Credits, QStringLiteral("Ανάπτυξη Λογισμικού: Τελμάριος και Κορβίδαλος"), kCreditsSize)
{
    setColours(clientArea(), Qt::black, Qt::white);
    new PictureBox(clientArea(), QStringLiteral("background"), picturePath(Picture::CreditsBackground),
                   describe(Picture::CreditsBackground), QRect(QPoint(0, 0), kCreditsSize));

    // The run of blanks after the names is layout: the label shows the names alone, centred.
    auto *makers = new LinedLabel(clientArea(), "lblinfo",
                                  QStringLiteral("    Τελμάριος  και Κορβίδαλος") + blanks(kMakersTrailingBlanks),
                                  QRect(430, 16, 370, 40));
    makers->setAlignment(Qt::AlignCenter);
    makers->setFont(plainFont(18, true, true));
    setColours(makers, kInk);

    QLabel *profession =
        addLabel(clientArea(), "Label1", QStringLiteral("Δάσκαλοι Πληροφορικής\nστην Πρωτοβάθμια Εκπαίδευση"),
                 QRect(470, 60, 300, 60));
    profession->setAlignment(Qt::AlignCenter);
    profession->setFont(plainFont(13, true));
    setColours(profession, kInk);

    // What is true of the program: it has no public address to give, so the line says whose it is
    // and under which licence it is free.
    QLabel *contact = addLabel(clientArea(), "Label2",
                               QStringLiteral("Ελεύθερο λογισμικό με την άδεια GNU GPL, έκδοση 3 ή νεότερη.\n"
                                              "© 2026 Οι δημιουργοί του Kalyxteron"),
                               QRect(10, 540, 420, 48));
    contact->setAlignment(Qt::AlignCenter);
    contact->setFont(plainFont(10));
    setColours(contact, Qt::black);

    addCommand(nullptr, "arxiki", QStringLiteral("&Αρχική Οθόνη"), &CreditsScreen::arxiki_Click);
    setSpokenInstructions(asSentences({makers->lines().join(u' '), profession->text(), contact->text()}));
    announceOnOpening(this, spokenInstructions());
}

void CreditsScreen::arxiki_Click()
{
    handOver(this, ScreenId::Home);
}

} // namespace kalyxteron
