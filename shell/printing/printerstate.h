// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// What the print server says of the default printer before a diploma is sent to it. Qt reports
// a CUPS queue that rejects jobs as idle, and would wait on a server that does not answer; the
// server is asked here, within a moment, so that the pupil is always told what happened.
namespace kalyxteron {

enum class PrinterReadiness {
    Unknown,      // nothing to ask on this system: Qt's printing decides
    NoServer,     // no print server at all: there is no printer
    NotAnswering, // a server that does not answer in time
    Missing,      // the default printer named by the user's settings does not exist
    Rejecting,    // the default printer's queue does not accept jobs
    Ready,        // a default printer that accepts jobs (it may be stopped: its jobs then wait)
    NoDefault,    // a server with no default printer
};

struct PrinterState {
    PrinterReadiness readiness = PrinterReadiness::Unknown;
    QString name;         // the default printer's, where there is one
    bool stopped = false; // paused: its jobs wait in its queue until it is started again
    QString device;       // where the server sends its jobs (a device URI), where it says
};

/// Asks the print server about the default printer, waiting at most `timeoutMs`.
PrinterState defaultPrinterState(int timeoutMs);

/// Whether the printer at a device URI takes a connection within `timeoutMs`: false for a printer
/// that is switched off or out of reach; nothing where that cannot be asked (a printer on USB).
std::optional<bool> deviceAnswers(const QString &device, int timeoutMs);

} // namespace kalyxteron
