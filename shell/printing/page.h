// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPageLayout>
#include <QSizeF>
#include <QString>

class QPainter;
class QPrinter;
class QWidget;

// A screen's client area on a page, as it is shown: no menu bar, no title bar, nothing around it.
namespace kalyxteron {

/// A kept diploma's page: A4, turned for its landscape form, with the margins of Qt's own PDFs.
QPageLayout keptPage();

/// Paints a client area on a page of this size (the painter's origin at the page's printable top
/// left), filling it in its own proportions: as vector text and pictures, its text fields as
/// what they hold (the whole text, from its first letter, on two lines or smaller where it
/// would not fit), with no caret, selection or focus mark. Returns whether the painter ended well.
bool paintClientArea(QPainter &painter, QWidget *area, QSizeF page);

/// Paints a client area onto a printer (or PDF writer) page, filling the page. Returns false if
/// the printer could not be opened or reported an error.
bool paintFormOnPrinter(QWidget *area, QPrinter &printer);

/// The print job's name: the window's caption without its runs of blanks.
QString documentName(const QWidget *area);

} // namespace kalyxteron
