// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/printing.h"

#include "shell/controls.h"
#include "shell/fittingfield.h"
#include "shell/messages.h"
#include "shell/printerstate.h"
#include "shell/screen.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMainWindow>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStyle>

#include <algorithm>

namespace kalyxteron {

namespace {

constexpr int kPrintServerTimeoutMs = 1500; // the most a pupil waits for the print server to answer
constexpr int kPdfResolution = 1200;          // dots per inch, as a high-resolution printer's
constexpr QMarginsF kPdfMargins{10, 10, 10, 10}; // points, as Qt's own PDF pages have
constexpr double kPointsPerInch = 72;

// A kept diploma's page: A4, turned for its landscape form, with the margins of Qt's own PDFs.
QPageLayout keptPage()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, kPdfMargins, QPageLayout::Point);
}

// A screen prints its client area only: no menu bar, no title bar, nothing around it.
QWidget *clientAreaOf(QWidget *form)
{
    if (auto *screen = qobject_cast<Screen *>(form))
        return screen->clientArea();
    if (auto *window = qobject_cast<QMainWindow *>(form); window && window->centralWidget())
        return window->centralWidget();
    return form;
}

// A paint device's metric, asked of the device itself: QPaintDevice::metric() is protected, but
// a pointer to it, formed through a class derived from QPaintDevice, may call it on any device.
struct MetricOf : QPaintDevice {
    static int of(const QPaintDevice &device, PaintDeviceMetric metric)
    {
        return (device.*&MetricOf::metric)(metric);
    }
};

// The printer's paint engine behind a device that is not a QPrinter.
// QWidget::render() turns widgets into a screen-resolution bitmap when it paints
// on a printer, but paints them as they are - vector text and pictures - on any
// other device; through this surface the printer gets the latter. Every metric is
// the printer's own, those a later Qt adds too (Qt 6.8 encodes the device pixel
// ratio in two more).
class PrinterSurface : public QPaintDevice {
public:
    explicit PrinterSurface(QPrinter &printer) : m_printer(printer) {}
    QPaintEngine *paintEngine() const override { return m_printer.paintEngine(); }

protected:
    int metric(PaintDeviceMetric metric) const override { return MetricOf::of(m_printer, metric); }

private:
    QPrinter &m_printer;
};

// The text fields a form prints: those shown on it.
QList<const QLineEdit *> shownFields(const QWidget *area)
{
    QList<const QLineEdit *> shown;
    for (const QLineEdit *field : area->findChildren<const QLineEdit *>()) {
        if (field->isVisibleTo(area))
            shown << field;
    }
    return shown;
}

// The face a field's text goes on paper in: the one it is written in, not the smaller one a
// fitting field may show it in.
QFont writtenFace(const QLineEdit &field)
{
    if (const auto *fitting = qobject_cast<const FittingField *>(&field))
        return fitting->face();
    return field.font();
}

// A text field on paper is what it holds: the whole text, from its first letter, in the
// field's face, colours and alignment, on two lines or smaller where it would not fit the field.
// The caret, the selection and any focus mark belong to editing on screen and stay there.
void paintFieldOnPage(QPainter &painter, const QLineEdit &field, QPoint at)
{
    const QPalette palette = field.palette();
    painter.save();
    painter.translate(at);
    painter.setClipRect(field.rect());
    painter.fillRect(field.rect(), palette.base());

    // The painter counts in the form's pixels on a device of finer resolution: the face is
    // sized so that it spans as many of those pixels as it does on screen.
    const QFont face = writtenFace(field);
    QFont font = face;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * field.logicalDpiY() / painter.device()->logicalDpiY());
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), painter.device());

    // Set as the field measures it, so that paper never takes less than the field let in.
    const QRectF room = textRect(field);
    const SetText set = setInRoom(field.displayText(), QFontMetricsF(face, &field), room.size());
    painter.translate(room.center());
    painter.scale(set.share, set.share);
    const qreal width = room.width() / set.share;
    const qreal lineHeight = metrics.height();
    const qreal top = -lineHeight * qreal(set.lines.size()) / 2;
    const Qt::Alignment across =
        QStyle::visualAlignment(field.layoutDirection(), field.alignment()) & Qt::AlignHorizontal_Mask;
    painter.setPen(palette.text().color());
    for (qsizetype i = 0; i < set.lines.size(); ++i)
        painter.drawText(QRectF(-width / 2, top + qreal(i) * lineHeight, width, lineHeight),
                         int(across | Qt::AlignVCenter | Qt::TextSingleLine), set.lines[i]);
    painter.restore();
}

// A stopped (paused) printer keeps its jobs in its queue until it is started again. Qt reports
// a CUPS queue in that state, as read afresh from the print server, as in error.
bool printerIsStopped(const QString &name)
{
    const QPrinterInfo printer = QPrinterInfo::printerInfo(name);
    return !printer.isNull() && printer.state() == QPrinter::Error;
}

// The print job's name: the window's caption without its runs of blanks.
QString documentName(QWidget *area)
{
    return area->window()->windowTitle().simplified();
}

} // namespace

QRectF fitOnPage(QSizeF form, QSizeF page)
{
    if (form.isEmpty() || page.isEmpty())
        return QRectF();
    const QSizeF fitted = form.scaled(page, Qt::KeepAspectRatio);
    return QRectF(QPointF((page.width() - fitted.width()) / 2, (page.height() - fitted.height()) / 2), fitted);
}

SetText setInRoom(const QString &text, const QFontMetricsF &face, QSizeF room)
{
    // As large as the lines' widest and their height together allow, never larger than the face.
    const auto shareFor = [&](qreal widest, qsizetype lines) {
        const qreal tall = face.height() * qreal(lines);
        double share = 1.0;
        if (widest > room.width() && widest > 0)
            share = room.width() / widest;
        if (tall > room.height() && tall > 0)
            share = std::min(share, room.height() / tall);
        return share;
    };
    SetText best{{text}, shareFor(face.horizontalAdvance(text), 1)};
    if (best.share >= 1.0)
        return best;

    QList<qsizetype> blanks;
    for (qsizetype at = text.indexOf(u' '); at >= 0; at = text.indexOf(u' ', at + 1))
        blanks << at;
    const auto lines = [&text](qsizetype blank) {
        return QStringList{text.left(blank).trimmed(), text.mid(blank + 1).trimmed()};
    };
    const auto widths = [&face](const QStringList &two) {
        return std::pair{face.horizontalAdvance(two[0]), face.horizontalAdvance(two[1])};
    };
    // The first line grows as the break moves on and the second shrinks: the balanced break is
    // where the first becomes the wider, or the blank before.
    const qsizetype crossing =
        std::partition_point(blanks.cbegin(), blanks.cend(),
                             [&](qsizetype blank) {
                                 const auto [first, second] = widths(lines(blank));
                                 return first < second;
                             }) -
        blanks.cbegin();
    QStringList balanced;
    qreal balancedWidest = 0;
    for (const qsizetype at : {crossing - 1, crossing}) {
        if (at < 0 || at >= blanks.size())
            continue;
        const QStringList two = lines(blanks[at]);
        const auto [first, second] = widths(two);
        if (!two[0].isEmpty() && !two[1].isEmpty() && (balanced.isEmpty() || std::max(first, second) < balancedWidest)) {
            balanced = two;
            balancedWidest = std::max(first, second);
        }
    }
    if (const double share = shareFor(balancedWidest, 2); !balanced.isEmpty() && share > best.share)
        best = {balanced, share};
    return best;
}

double leastPrintedShare(const QLineEdit &field, const QFont &face)
{
    const QWidget *area = clientAreaOf(field.window());
    const QRectF onPaper = fitOnPage(area->size(), keptPage().paintRect(QPageLayout::Point).size());
    const double facePixels =
        face.pixelSize() > 0 ? face.pixelSize() : face.pointSizeF() * field.logicalDpiY() / kPointsPerInch;
    const double printedPoints = area->width() > 0 ? facePixels * onPaper.width() / area->width() : 0.0;
    return printedPoints > kLeastPrintedPoints ? kLeastPrintedPoints / printedPoints : 1.0;
}

namespace {

// Paints a form's client area on a page of this size, filling it in its own proportions.
bool paintForm(QPainter &painter, QWidget *area, QSizeF page)
{
    // The painter's origin is the top left of the printable area.
    const QRectF target = fitOnPage(area->size(), page);
    painter.translate(target.topLeft());
    painter.scale(target.width() / area->width(), target.height() / area->height());
    // Everything as it is on screen but the text fields, which print as what they hold.
    const QList<const QLineEdit *> fields = shownFields(area);
    QRegion elsewhere(area->rect());
    for (const QLineEdit *field : fields)
        elsewhere -= QRect(field->mapTo(area, QPoint()), field->size());
    area->render(&painter, QPoint(), elsewhere, QWidget::DrawWindowBackground | QWidget::DrawChildren);
    for (const QLineEdit *field : fields)
        paintFieldOnPage(painter, *field, field->mapTo(area, QPoint()));
    return painter.end();
}

} // namespace

bool paintFormOnPrinter(QWidget *area, QPrinter &printer)
{
    PrinterSurface surface(printer);
    QPainter painter;
    if (!painter.begin(&surface))
        return false;
    const bool ended = paintForm(painter, area, printer.pageLayout().paintRectPixels(printer.resolution()).size());
    return ended && printer.printerState() != QPrinter::Error;
}

QString fallbackPdfPath(const QString &folder, const QDateTime &when)
{
    const QDir dir(folder);
    const QString stem = QStringLiteral("Δίπλωμα %1 στις %2")
                             .arg(when.toString(QStringLiteral("yyyy-MM-dd")), when.toString(QStringLiteral("HH.mm.ss")));
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    // Two prints within the same second must not overwrite each other.
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(copy));
    return path;
}

bool saveFormAsPdf(QWidget *area, const QString &path)
{
    // Written by Qt's PDF writer, not by a QPrinter: making a QPrinter asks the print server for
    // its default printer, and waits as long as a server that does not answer keeps it.
    QPdfWriter pdf(path);
    pdf.setResolution(kPdfResolution);
    pdf.setPageLayout(keptPage());
    pdf.setTitle(documentName(area));
    pdf.setCreator(QString::fromLatin1(kApplicationTitle));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    return paintForm(painter, area, pdf.pageLayout().paintRectPixels(pdf.resolution()).size())
           && QFileInfo(path).size() > 0;
}

QString printOnDefaultPrinter(QWidget *form)
{
    QWidget *area = clientAreaOf(form);
    const QString notKept = QString::fromUtf8(kKeepFailedMessage);
    // The print server first, within a moment: Qt would wait on one that does not answer.
    const PrinterState state = defaultPrinterState(kPrintServerTimeoutMs);
    switch (state.readiness) {
    case PrinterReadiness::NotAnswering:
        return keepAsPdf(area, QString::fromUtf8(kPrintServerSilentMessage), notKept);
    case PrinterReadiness::Missing:
        return keepAsPdf(area, QString::fromUtf8(kPrinterMissingMessage), notKept);
    case PrinterReadiness::Rejecting:
        return keepAsPdf(area, QString::fromUtf8(kPrinterRejectsMessage).arg(state.name), notKept);
    case PrinterReadiness::NoServer:
    case PrinterReadiness::NoDefault:
        return keepAsPdf(area, QString::fromUtf8(kSavedAsPdfMessage), QString::fromUtf8(kSaveFailedMessage));
    case PrinterReadiness::Unknown:
    case PrinterReadiness::Ready:
        break;
    }
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return keepAsPdf(area, QString::fromUtf8(kSavedAsPdfMessage), QString::fromUtf8(kSaveFailedMessage));
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(documentName(area));
    printer.setCreator(QString::fromLatin1(kApplicationTitle));
    if (!paintFormOnPrinter(area, printer))
        return QString::fromUtf8(kPrintFailedMessage);
    if (printerIsStopped(defaultPrinter.printerName()))
        return QString::fromUtf8(kPrinterStoppedMessage);
    return QString();
}

QString keepAsPdf(QWidget *area, const QString &kept, const QString &failed)
{
    // Where the pupil's documents are; where that cannot be written, the home folder, and at
    // last the temporary folder, which the message says to copy it from.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString temporary = QDir::tempPath();
    for (const QString &folder : {documents, QDir::homePath(), temporary}) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            continue;
        const QString path = fallbackPdfPath(folder, QDateTime::currentDateTime());
        if (!saveFormAsPdf(area, path)) {
            QFile::remove(path);
            continue;
        }
        QString message = kept.arg(QDir::toNativeSeparators(path));
        if (folder == temporary && folder != documents && folder != QDir::homePath())
            message += QString::fromUtf8(kTemporaryFolderNote);
        return message;
    }
    return failed.arg(QDir::toNativeSeparators(documents.isEmpty() ? QDir::homePath() : documents));
}

} // namespace kalyxteron
