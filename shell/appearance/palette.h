// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// The program's colours, each named after what it is for, so that one role has one colour on
// every screen.
namespace kalyxteron {

// Texts
inline const QColor kInk{0, 0, 128};             // dark blue: instructions, headings, scores, dates
inline const QColor kWelcomeInk{0, 0, 192};      // the home screen's greeting
inline const QColor kPupilsInk{0, 0, 220};       // what a practice screen's pupil types and reads
inline const QColor kNameInk{0, 0, 176};         // the names typed on a diploma
inline const QColor kBrightNameInk{0, 64, 255};  // ... on the first diploma, brighter
inline const QColor kAlertInk{210, 0, 0};        // the drawn numbers, praise and warnings, sports' names
inline const QColor kPraiseInk{0, 140, 40};      // the game's praise
inline const QColor kSportInk{0, 110, 60};       // the name of the game's reward sport

// Surfaces
inline const QColor kHomeSurface{255, 224, 192};         // peach
inline const QColor kOperationsSurface{255, 255, 192};   // the home screen's pale-yellow button
inline const QColor kInstructionsSurface{255, 250, 235};
inline const QColor kOperandSurface{255, 255, 128};      // the yellow boxes of the numbers
inline const QColor kStorySurface{230, 230, 230};        // under a mascot's story
inline const QColor kGameSurface{214, 238, 255};
inline const QColor kDiplomaSurface{192, 255, 255};      // light cyan
inline const QColor kTextSurface{255, 255, 255};         // white under a diploma's texts
inline const QColor kSportNameSurface{255, 192, 128};    // light orange
inline const QColor kDiplomaFrame{205, 150, 20};         // gold; the mascot diploma's is kInk

} // namespace kalyxteron
