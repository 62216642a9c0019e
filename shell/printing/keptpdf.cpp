// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/printing/keptpdf.h"

#include "shell/logic/release.h"
#include "shell/printing/page.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

namespace kalyxteron {

namespace {
constexpr int kPdfResolution = 1200; // dots per inch, as a high-resolution printer's
} // namespace

QString fallbackPdfPath(const QString &folder, const QDateTime &when)
{
    const QDir dir(folder);
    const QString stem =
        QStringLiteral("Δίπλωμα %1 στις %2")
            .arg(when.toString(QStringLiteral("yyyy-MM-dd")), when.toString(QStringLiteral("HH.mm.ss")));
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    // Two prints within the same second must not overwrite each other.
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(copy));
    return path;
}

bool saveFormAsPdf(QWidget *area, const QString &path, bool ownerOnly)
{
    // The page is made in memory first: a full disk or a quota takes part of a file, and a write
    // that stops short is told only by the count it returns.
    QByteArray page;
    {
        QBuffer buffer(&page);
        buffer.open(QIODevice::WriteOnly);
        // Written by Qt's PDF writer, not by a QPrinter: making a QPrinter asks the print server
        // for its default printer, and waits as long as a server that does not answer keeps it.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(keptPage());
        pdf.setTitle(documentName(area));
        pdf.setCreator(QString::fromLatin1(kApplicationName));
        QPainter painter;
        if (!painter.begin(&pdf) ||
            !paintClientArea(painter, area, pdf.pageLayout().paintRectPixels(pdf.resolution()).size()))
            return false;
    }
    // Written beside its name and moved there only once it is whole.
    QSaveFile file(path);
    if (page.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if ((ownerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) ||
        file.write(page) != page.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit() && QFileInfo(path).size() == page.size();
}

KeptPdf keepAsPdf(QWidget *area)
{
    // Where the pupil's documents are; where that cannot be written, the home folder, and at
    // last the temporary folder, which the message says to copy it from.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString temporary = QDir::tempPath();
    KeptPdf kept{.path = QString(), .folder = documents.isEmpty() ? QDir::homePath() : documents};
    for (const QString &folder : {documents, QDir::homePath(), temporary}) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            continue;
        const bool shared = folder == temporary && folder != documents && folder != QDir::homePath();
        const QString path = fallbackPdfPath(folder, QDateTime::currentDateTime());
        // In a folder every user can look into, a child's name is for the child's eyes only.
        if (saveFormAsPdf(area, path, shared)) {
            kept.path = path;
            kept.temporary = shared;
            return kept;
        }
    }
    return kept;
}

} // namespace kalyxteron
