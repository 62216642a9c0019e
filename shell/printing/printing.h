// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

class QDateTime;
class QFont;
class QFontMetricsF;
class QLineEdit;
class QPrinter;
class QWidget;

// A form on paper: its client area, as shown, on the default printer, or kept as a PDF where
// there is none.
namespace kalyxteron {

/// Prints the form's client area on the default printer, or keeps it as a PDF when there is
/// none. Returns what the pupil is to be told, or nothing when the page is on its way.
QString printOnDefaultPrinter(QWidget *form);

/// A client area kept as a PDF, or where it should have gone.
struct KeptPdf {
    QString path;           // the file, once it is whole on disk; empty if it could be kept nowhere
    QString folder;         // the documents folder, where it was to go
    bool temporary = false; // kept in the temporary folder, which may be emptied
};

/// Keeps a client area as a PDF in the user's documents folder, else the home folder, else the
/// temporary folder, where only its user may read it.
KeptPdf keepAsPdf(QWidget *area);

/// Where a page of this size shows a form of that size: as large as the page
/// allows, in its own proportions, centred.
QRectF fitOnPage(QSizeF form, QSizeF page);

/// The smallest size, in points on an A4 page, a typed name is ever printed at: its capitals
/// are then about 3.2 mm high in the diploma's hand, which a child reads at arm's length.
inline constexpr double kLeastPrintedPoints = 16;

/// A text as it is set in a field's room: its lines, and the share of the field's face they take.
struct SetText {
    QStringList lines;
    double share = 1.0;
};

/// Sets a text in a room: on one line at its face's size where it fits; else on two lines,
/// broken at the blank that balances them, where that sets it larger; and only then smaller.
SetText setInRoom(const QString &text, const QFontMetricsF &face, QSizeF room);

/// The share of a field's face that prints at kLeastPrintedPoints, its form filling an A4 page
/// (at most 1: a face smaller than that is printed as it is).
double leastPrintedShare(const QLineEdit &field, const QFont &face);

/// Paints a form's client area onto a printer (or PDF writer) page, as vector
/// text and pictures, filling the page. Returns false if the printer could not
/// be opened or reported an error.
bool paintFormOnPrinter(QWidget *area, QPrinter &printer);

/// Where a diploma goes as a PDF when there is no printer: a Greek name with the
/// date and time, numbered if a file of that name is already there.
QString fallbackPdfPath(const QString &folder, const QDateTime &when);

/// Saves the form's client area as a one-page landscape PDF. Returns true once the file is whole
/// on disk under that name (written to a file beside it, then moved there); on any failure nothing
/// is left there. With `ownerOnly`, only the user may read it.
bool saveFormAsPdf(QWidget *area, const QString &path, bool ownerOnly = false);

} // namespace kalyxteron
