// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

// The program's colours, each named after what it is for, so that one role has one colour on
// every screen.
namespace kalyxteron {

// Texts
inline const QColor kInk{0, 0, 128};            // dark blue: instructions, headings, scores, dates
inline const QColor kWelcomeInk{0, 0, 192};     // the home screen's greeting
inline const QColor kPupilsInk{0, 0, 220};      // what a practice screen's pupil types and reads
inline const QColor kNameInk{0, 0, 176};        // the names typed on a diploma
inline const QColor kBrightNameInk{0, 64, 255}; // ... on the first diploma, brighter
inline const QColor kAlertInk{210, 0, 0};       // the drawn numbers, praise and warnings, sports' names
inline const QColor kPraiseInk{0, 140, 40};     // the game's praise
inline const QColor kSportInk{0, 110, 60};      // the name of the game's reward sport

// Surfaces
inline const QColor kHomeSurface{255, 224, 192};       // peach
inline const QColor kOperationsSurface{255, 255, 192}; // the home screen's pale-yellow button
inline const QColor kInstructionsSurface{255, 250, 235};
inline const QColor kOperandSurface{255, 255, 128}; // the yellow boxes of the numbers
inline const QColor kStorySurface{230, 230, 230};   // under a mascot's story
inline const QColor kGameSurface{214, 238, 255};
inline const QColor kDiplomaSurface{192, 255, 255};    // light cyan
inline const QColor kTextSurface{255, 255, 255};       // white under a diploma's texts
inline const QColor kSportNameSurface{255, 192, 128};  // light orange
inline const QColor kDiplomaFrame{205, 150, 20};       // gold; the mascot diploma's is kInk
inline const QColor kGradesCtoFSurface{224, 224, 224}; // light grey
inline const QColor kStageSurface{255, 255, 255};      // white, where the pictures appear
inline const QColor kGameInstructionSurface{255, 248, 200};
inline const QColor kYearSurface{255, 255, 170}; // where the game's year is typed

// Buttons and borders
inline const QColor kOperationsBorder{200, 160, 60}; // the home screen's button
inline const QColor kGreenButton{128, 255, 128};     // "the green button" and the game's check
inline const QColor kGreenButtonBorder{40, 140, 40};
inline const QColor kGreenButtonDisabled{190, 225, 190};
inline const QColor kDrawButtonSurface{252, 177, 49}; // the game's draw, and the border of its instruction
inline const QColor kDrawButtonBorder{200, 120, 0};
inline const QColor kMascotStageBorder{120, 170, 230};
inline const QColor kOlympicBlue{0, 129, 200};    // the game's mascot panel and its fields
inline const QColor kOlympicGreen{0, 166, 81};    // the game's sport panel
inline const QColor kFocusMark{0, 0, 160};        // the border of a focused button
inline const QColor kFieldFocusMark{238, 51, 78}; // the border of the game's focused field
inline const QColor kGameFieldInk{0, 0, 140};
inline const QColor kYearInk{0, 0, 200};
inline const QColor kDisabledInk{128, 128, 128};
inline const QColor kDisabledSurface{228, 228, 228};
inline const QColor kDisabledBorder{190, 190, 190};
inline const QColor kDisabledFieldSurface{236, 236, 236};
inline const QColor kDisabledFieldInk{90, 90, 90};

/// A colour as a style sheet writes it.
inline QString css(const QColor &colour)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

} // namespace kalyxteron
