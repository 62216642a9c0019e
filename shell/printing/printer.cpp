// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/printing/printer.h"

#include "shell/logic/messages.h"
#include "shell/logic/release.h"
#include "shell/printing/keptpdf.h"
#include "shell/printing/page.h"
#include "shell/printing/printerstate.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

namespace kalyxteron {

namespace {

constexpr int kPrintServerTimeoutMs = 1500; // the most a pupil waits for the print server to answer
constexpr int kDeviceTimeoutMs = 2500;      // and for the printer itself, on the network, to answer

// A stopped (paused) printer keeps its jobs in its queue until it is started again. Qt reports
// a CUPS queue in that state, as read afresh from the print server, as in error.
bool printerIsStopped(const QString &name)
{
    const QPrinterInfo printer = QPrinterInfo::printerInfo(name);
    return !printer.isNull() && printer.state() == QPrinter::Error;
}

// What the pupil is told when the diploma is not on its way to paper: why, and where it was kept.
QString toldWhy(QWidget *area, const QString &why)
{
    const KeptPdf kept = keepAsPdf(area);
    if (kept.path.isEmpty())
        return why + QString::fromUtf8(kNotKeptAsPdf).arg(QDir::toNativeSeparators(kept.folder));
    return why + QString::fromUtf8(kKeptAsPdf).arg(QDir::toNativeSeparators(kept.path)) +
           (kept.temporary ? QString::fromUtf8(kTemporaryFolderNote) : QString());
}

// The same for a diploma waiting in a printer's queue: it is kept as well, in case it never prints.
QString toldWaiting(QWidget *area, const QString &why)
{
    const KeptPdf kept = keepAsPdf(area);
    if (kept.path.isEmpty())
        return why + QString::fromUtf8(kNotAlsoKeptAsPdf).arg(QDir::toNativeSeparators(kept.folder));
    return why + QString::fromUtf8(kAlsoKeptAsPdf).arg(QDir::toNativeSeparators(kept.path)) +
           (kept.temporary ? QString::fromUtf8(kTemporaryFolderNote) : QString());
}

QString toldNoPrinter(QWidget *area)
{
    const KeptPdf kept = keepAsPdf(area);
    if (kept.path.isEmpty())
        return QString::fromUtf8(kSaveFailedMessage).arg(QDir::toNativeSeparators(kept.folder));
    return QString::fromUtf8(kNoPrinterReason) +
           QString::fromUtf8(kKeptAsPdf).arg(QDir::toNativeSeparators(kept.path)) +
           (kept.temporary ? QString::fromUtf8(kTemporaryFolderNote) : QString());
}

} // namespace

QString printOnDefaultPrinter(QWidget *area)
{
    // The print server first, within a moment: Qt would wait on one that does not answer.
    const PrinterState state = defaultPrinterState(kPrintServerTimeoutMs);
    switch (state.readiness) {
    case PrinterReadiness::NotAnswering:
        return toldWhy(area, QString::fromUtf8(kPrintServerSilentReason));
    case PrinterReadiness::Missing:
        return toldWhy(area, QString::fromUtf8(kPrinterMissingReason));
    case PrinterReadiness::Rejecting:
        return toldWhy(area, QString::fromUtf8(kPrinterRejectsReason).arg(state.name));
    case PrinterReadiness::NoServer:
    case PrinterReadiness::NoDefault:
        return toldNoPrinter(area);
    case PrinterReadiness::Unknown:
    case PrinterReadiness::Ready:
        break;
    }
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return toldNoPrinter(area);
    // A printer switched off or out of reach takes the job into its queue and keeps trying.
    const bool silent = !state.device.isEmpty() && deviceAnswers(state.device, kDeviceTimeoutMs) == false;
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(documentName(area));
    printer.setCreator(QString::fromLatin1(kApplicationName));
    if (!paintFormOnPrinter(area, printer))
        return toldWhy(area, QString::fromUtf8(kPrintFailedReason));
    if (state.stopped || printerIsStopped(defaultPrinter.printerName()))
        return toldWaiting(area, QString::fromUtf8(kPrinterStoppedReason));
    if (silent)
        return toldWaiting(area, QString::fromUtf8(kPrinterSilentReason).arg(defaultPrinter.printerName()));
    return QString();
}

} // namespace kalyxteron
