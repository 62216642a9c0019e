// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kalyxteron {

// The fourteen screens of the program; exactly one is open at a time.
enum class ScreenId {
    Home,          // frminfo
    GradeA,        // frmclasA
    GradeB,        // frmclassB
    GradesCtoF,    // frmbase
    Instructions,  // odigies
    Credits,       // frmmakers
    Game,          // paixnidi
    Diploma0,      // dimploma0
    Diploma1,      // dimploma1
    Diploma2,      // dimploma2
    Diploma4,      // dimploma4
    Diploma5,      // dimploma5
    Diploma6,      // dimploma6
    MascotDiploma, // dimplomamaskot
};
inline constexpr int kScreenCount = 14;

/// The screen's object name, such as "frminfo".
QString screenName(ScreenId id);

} // namespace kalyxteron
