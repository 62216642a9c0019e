// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/printing/page.h"

#include "shell/appearance/fieldtext.h"
#include "shell/logic/geometry.h"
#include "shell/printing/typesetting.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QStyle>

namespace kalyxteron {

namespace {

constexpr QMarginsF kPdfMargins{10, 10, 10, 10}; // points, as Qt's own PDF pages have

// A paint device's metric, asked of the device itself: QPaintDevice::metric() is protected, but
// a pointer to it, formed through a class derived from QPaintDevice, may call it on any device.
struct MetricOf : QPaintDevice {
    static int of(const QPaintDevice &device, PaintDeviceMetric metric) { return (device.*&MetricOf::metric)(metric); }
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
// field may show it in to show more of it.
QFont writtenFace(const QLineEdit &field)
{
    if (const auto *shrinking = dynamic_cast<const ShrinksItsText *>(&field))
        return shrinking->face();
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
    const TextSetting set = setInRoom(field.displayText(), QFontMetricsF(face, &field), room.size());
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

} // namespace

QPageLayout keptPage()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, kPdfMargins, QPageLayout::Point);
}

bool paintClientArea(QPainter &painter, QWidget *area, QSizeF page)
{
    // The painter's origin is the top left of the printable area.
    const QRectF target = centredFit(area->size(), QRectF(QPointF(), page));
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

bool paintFormOnPrinter(QWidget *area, QPrinter &printer)
{
    PrinterSurface surface(printer);
    QPainter painter;
    if (!painter.begin(&surface))
        return false;
    const bool ended =
        paintClientArea(painter, area, printer.pageLayout().paintRectPixels(printer.resolution()).size());
    return ended && printer.printerState() != QPrinter::Error;
}

QString documentName(const QWidget *area)
{
    return area->window()->windowTitle().simplified();
}

} // namespace kalyxteron
