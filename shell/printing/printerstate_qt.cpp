// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/printing/printerstate.h"

namespace kalyxteron {

// Without CUPS (Windows), Qt's printing asks the system's spooler itself.
PrinterState defaultPrinterState(int)
{
    return {};
}

std::optional<bool> deviceAnswers(const QString &, int)
{
    return std::nullopt;
}

} // namespace kalyxteron
