// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/screenid.h"

#include <array>

namespace kalyxteron {

QString screenName(ScreenId id)
{
    static constexpr std::array<const char *, kScreenCount> kNames{
        "frminfo",   "frmclasA",  "frmclassB", "frmbase",   "odigies",   "frmmakers", "paixnidi",
        "dimploma0", "dimploma1", "dimploma2", "dimploma4", "dimploma5", "dimploma6", "dimplomamaskot",
    };
    return QLatin1String(kNames[std::size_t(id)]);
}

} // namespace kalyxteron
