// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "home/homescreen.h"

#include "assets/pictures.h"
#include "shell/appearance/faces.h"
#include "shell/appearance/palette.h"
#include "shell/widgets/controls.h"
#include "shell/widgets/linedcaption.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/picturebox.h"

#include <QLabel>
#include <QMenu>

namespace kalyxteron {

namespace {
constexpr QSize kClientSize{809, 588};

const QString kCaption =
    QStringLiteral("Πράξεις ακέραιων αριθμών για όλα τα παιδιά του Δημοτικού Σχολείου - Τελμάριος και Κορβίδαλος");
const QString kWelcome =
    QStringLiteral("Φίλοι μου γεια σας. Στο περιβάλλον αυτό μπορείτε να ασκηθείτε στις 4 πράξεις των ακέραιων αριθμών. "
                   "Μπορείτε να προσθέσετε, να αφαιρέσετε, να πολλαπλασιάσετε και να διαιρέσετε τους αριθμούς που "
                   "εμφανίζονται στην οθόνη σας τυχαία ή τους αριθμούς της δική σας επιλογής. ");
const QString kOperations = QStringLiteral(" Πράξεις Ακεραίων       1. Άθροισμα (+)        2. Διαφορά (-)  "
                                           "         3. Γινόμενο (X)         4. Πηλίκο (:)          ");
} // namespace

HomeScreen::HomeScreen() : Screen(ScreenId::Home, kCaption, kClientSize)
{
    setColours(clientArea(), Qt::black, kHomeSurface);
    new PictureBox(clientArea(), QStringLiteral("background"), picturePath(Picture::HomeBackground),
                   describe(Picture::HomeBackground), QRect(QPoint(0, 0), kClientSize));

    QLabel *welcome = addLabel(clientArea(), "lblminima", kWelcome, QRect(16, 10, 777, 110));
    setSpokenInstructions(kWelcome);
    welcome->setWordWrap(true);
    welcome->setFont(plainFont(14, true));
    setColours(welcome, kWelcomeInk);

    auto *operations = new LinedButton(clientArea(), "cmdprog", kOperations, QRect(249, 170, 311, 270));
    operations->setFont(calligraphicFont(26, true));
    setColours(operations, Qt::black, kOperationsSurface);
    operations->setStyleSheet(
        QStringLiteral("QPushButton#cmdprog { background: %1; border: 3px solid %2; border-radius: 18px; }"
                       "QPushButton#cmdprog:focus { border-color: %3; }")
            .arg(css(kOperationsSurface), css(kOperationsBorder), css(kWelcomeInk)));
    connect(operations, &QPushButton::clicked, this, &HomeScreen::cmdprog_Click);

    addCommand(nullptr, "info", QStringLiteral("&Πληροφορίες"), &HomeScreen::info_Click);
    QMenu *choice = addList("epilogi", QStringLiteral("&Επιλογή"));
    addSeparator(choice, "mnusep3");
    addCommand(choice, "classA", QStringLiteral("&Τάξη Α΄"), &HomeScreen::classA_Click);
    addSeparator(choice, "mnusep1");
    addCommand(choice, "classB", QStringLiteral("&Τάξη Β΄"), &HomeScreen::classB_Click);
    addSeparator(choice, "mnusep4");
    addCommand(choice, "arxiki", QStringLiteral("&Τάξεις Γ΄-ΣΤ΄"), &HomeScreen::arxiki_Click);
    addSeparator(choice, "mnusep2");
    addCommand(choice, "exit", QStringLiteral("&Έξοδος"), &HomeScreen::exit_Click);

    operations->setFocus();
}

void HomeScreen::info_Click()
{
    handOver(this, ScreenId::Credits);
}

void HomeScreen::classA_Click()
{
    handOver(this, ScreenId::GradeA);
}

void HomeScreen::classB_Click()
{
    handOver(this, ScreenId::GradeB);
}

void HomeScreen::arxiki_Click()
{
    handOver(this, ScreenId::GradesCtoF);
}

void HomeScreen::exit_Click()
{
    plainExit();
}

void HomeScreen::cmdprog_Click()
{
    // The button only lists the operations; pressing it does nothing.
}

} // namespace kalyxteron
