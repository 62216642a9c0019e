// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diploma/diplomascreen.h"
#include "game/gamescreen.h"
#include "home/homescreen.h"
#include "home/instructionsscreen.h"
#include "practice/practicescreen.h"
#include "shell/widgets/navigation.h"

namespace kalyxteron {

Screen *createScreen(ScreenId id)
{
    switch (id) {
    case ScreenId::Home:
        return new HomeScreen;
    case ScreenId::GradeA:
        return new PracticeScreen(Grade::A);
    case ScreenId::GradeB:
        return new PracticeScreen(Grade::B);
    case ScreenId::GradesCtoF:
        return new PracticeScreen(Grade::CtoF);
    case ScreenId::Instructions:
        return new InstructionsScreen;
    case ScreenId::Credits:
        return new CreditsScreen;
    case ScreenId::Game:
        return new GameScreen;
    case ScreenId::Diploma0:
    case ScreenId::Diploma1:
    case ScreenId::Diploma2:
    case ScreenId::Diploma4:
    case ScreenId::Diploma5:
    case ScreenId::Diploma6:
    case ScreenId::MascotDiploma:
        return new DiplomaScreen(id);
    }
    return nullptr;
}

} // namespace kalyxteron
