// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QDateTime;
class QWidget;

// A screen's client area kept as a PDF file, where it cannot go to a printer.
namespace kalyxteron {

/// A client area kept as a PDF, or where it should have gone.
struct KeptPdf {
    QString path;           // the file, once it is whole on disk; empty if it could be kept nowhere
    QString folder;         // the documents folder, where it was to go
    bool temporary = false; // kept in the temporary folder, which may be emptied
};

/// Keeps a client area as a PDF in the user's documents folder, else the home folder, else the
/// temporary folder, where only its user may read it.
KeptPdf keepAsPdf(QWidget *area);

/// Where a diploma goes as a PDF: a Greek name with the date and time, numbered if a file of that
/// name is already there.
QString fallbackPdfPath(const QString &folder, const QDateTime &when);

/// Saves the client area as a one-page landscape PDF. Returns true once the file is whole on disk
/// under that name (written to a file beside it, then moved there); on any failure nothing is
/// left there. With `ownerOnly`, only the user may read it.
bool saveFormAsPdf(QWidget *area, const QString &path, bool ownerOnly = false);

} // namespace kalyxteron
