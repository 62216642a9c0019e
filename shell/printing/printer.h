// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// A screen's client area, as shown, to the default printer.
namespace kalyxteron {

/// Prints a client area on the default printer. Where it is not surely on its way to paper (no
/// printer, one that cannot take it or cannot print it now, a print server that does not answer,
/// a print that failed), it is kept as a PDF as well. Returns what the pupil is to be told, or
/// nothing when the page is on its way.
QString printOnDefaultPrinter(QWidget *area);

} // namespace kalyxteron
