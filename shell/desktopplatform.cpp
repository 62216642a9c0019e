#include "shell/desktopplatform.h"

#include "shell/messages.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTime>

#include <algorithm>
#include <bit>
#include <cstdint>

namespace kalyxteron {

namespace {

constexpr double kMillisecondsPerSecond = 1000.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr int kMantissaBits = 53;

QWidget *visibleScreen()
{
    const auto windows = QApplication::topLevelWidgets();
    const auto it = std::find_if(windows.begin(), windows.end(), [](QWidget *w) {
        return w->isVisible() && qobject_cast<QMainWindow *>(w);
    });
    return it == windows.end() ? nullptr : *it;
}

// A QMainWindow prints its client area only: no menu bar, no title bar.
QWidget *clientAreaOf(QWidget *form)
{
    if (auto *window = qobject_cast<QMainWindow *>(form); window && window->centralWidget())
        return window->centralWidget();
    return form;
}

} // namespace

void DesktopPlatform::messageBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok,
                    visibleScreen());
    box.exec();
}

void DesktopPlatform::beep()
{
    QApplication::beep();
}

void DesktopPlatform::endProgram()
{
    // Hiding (not closing) sends no close events, so no handler of any screen runs.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        w->hide();
    QCoreApplication::exit(0);
}

bool paintFormOnPrinter(QWidget *form, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = form->size();
    const double scale = std::min(page.width() / double(size.width()), page.height() / double(size.height()));
    painter.translate((page.width() - size.width() * scale) / 2, (page.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    form->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error;
}

QString fallbackPdfPath(const QString &documentsFolder, const QString &stamp)
{
    return QDir(documentsFolder).filePath(QStringLiteral("Δίπλωμα %1.pdf").arg(stamp));
}

void DesktopPlatform::printForm(QWidget *form)
{
    QWidget *area = clientAreaOf(form);
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setDocName(area->window()->windowTitle().trimmed());
        if (!paintFormOnPrinter(area, printer))
            messageBox(QString::fromUtf8(kPrintFailedMessage));
        return;
    }

    // No printer: keep the diploma as a PDF where the pupil's documents are.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::homePath();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    const QString path = fallbackPdfPath(folder, stamp);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageOrientation(QPageLayout::Landscape);
    if (paintFormOnPrinter(area, pdf))
        messageBox(QString::fromUtf8(kSavedAsPdfMessage).arg(QDir::toNativeSeparators(path)));
    else
        messageBox(QString::fromUtf8(kPrintFailedMessage));
}

double DesktopPlatform::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / kMillisecondsPerSecond;
}

double DesktopPlatform::dayFraction()
{
    return QTime::currentTime().msecsSinceStartOfDay() / int(kMillisecondsPerSecond) / kSecondsPerDay;
}

QString DesktopPlatform::shortDate()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

void DesktopPlatform::randomize(double seed)
{
    // The same clock value gives the same sequence, as a reseed should.
    const auto bits = std::bit_cast<std::uint64_t>(seed);
    std::seed_seq sequence{std::uint32_t(bits), std::uint32_t(bits >> 32)};
    m_generator.seed(sequence);
}

double DesktopPlatform::rnd()
{
    return double(m_generator() >> (64 - kMantissaBits)) * (1.0 / double(std::uint64_t{1} << kMantissaBits));
}

} // namespace kalyxteron
