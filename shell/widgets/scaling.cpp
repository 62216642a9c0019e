// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/scaling.h"

#include "shell/appearance/fieldtext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace kalyxteron {

namespace {

// What a control was at the design, kept on the control itself.
constexpr char kDesignGeometry[] = "kalyxteronDesignGeometry";
constexpr char kDesignFont[] = "kalyxteronDesignFont";
constexpr char kDesignStyleSheet[] = "kalyxteronDesignStyleSheet";
constexpr char kDesignMargins[] = "kalyxteronDesignMargins";

int scaledLength(int design, double scale)
{
    const int length = int(std::lround(design * scale));
    return design > 0 ? std::max(1, length) : length;
}

QMargins scaledMargins(QMargins design, double scale)
{
    return QMargins(scaledLength(design.left(), scale), scaledLength(design.top(), scale),
                    scaledLength(design.right(), scale), scaledLength(design.bottom(), scale));
}

QFont scaledFont(QFont design, double scale)
{
    if (design.pointSizeF() > 0)
        design.setPointSizeF(design.pointSizeF() * scale);
    else if (design.pixelSize() > 0)
        design.setPixelSize(scaledLength(design.pixelSize(), scale));
    return design;
}

// What a control shows in its face: its text, and letters of every kind it may show later.
QStringList shownTexts(const QWidget *control)
{
    static const QString kSample =
        QStringLiteral("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ αβγδεζηθικλμνξοπρστυφχψωάέήίόύώ 0123456789 .,:-+");
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(control))
        text = label->text();
    else if (const auto *field = qobject_cast<const QLineEdit *>(control))
        text = field->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        text = button->text();
    QStringList texts = text.split(u'\n', Qt::SkipEmptyParts);
    texts << kSample;
    return texts;
}

// How much wider a face set at a scale draws a control's texts than the scale itself: letters
// are fitted to whole pixels at each size, so a text does not grow exactly with its face.
double overgrowth(const QWidget *control, const QFont &design, const QFont &scaled, double scale)
{
    // Measured in whole pixels, as the controls lay their texts out.
    double most = 0.0;
    const QFontMetrics atDesign(design);
    const QFontMetrics atScale(scaled);
    for (const QString &text : shownTexts(control)) {
        const double room = std::floor(atDesign.horizontalAdvance(text) * scale);
        if (room > 0)
            most = std::max(most, atScale.horizontalAdvance(text) / room);
    }
    return most;
}

// A control's face at a scale, set a little smaller where its texts would otherwise outgrow it.
QFont scaledFace(const QWidget *control, const QFont &design, double scale)
{
    constexpr int kTries = 4;
    QFont font = scaledFont(design, scale);
    for (int attempt = 0; attempt < kTries && font.pointSizeF() > 0; ++attempt) {
        const double over = overgrowth(control, design, font, scale);
        if (over <= 1.0)
            break;
        font.setPointSizeF(font.pointSizeF() / over);
    }
    return font;
}

// The margins a control keeps inside itself, where it has any of its own.
QMargins ownMargins(const QWidget *control)
{
    if (const auto *field = qobject_cast<const QLineEdit *>(control))
        return field->textMargins();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return QMargins(label->margin(), label->margin(), label->margin(), label->margin());
    return QMargins();
}

void setOwnMargins(QWidget *control, QMargins margins)
{
    if (auto *field = qobject_cast<QLineEdit *>(control))
        field->setTextMargins(margins);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setMargin(margins.left());
}

void remember(QWidget *control, bool placed)
{
    if (control->property(kDesignFont).isValid())
        return;
    // A control without a face of its own takes its parent's, which is scaled already.
    control->setProperty(kDesignFont, control->testAttribute(Qt::WA_SetFont) ? QVariant(control->font()) : QVariant(0));
    control->setProperty(kDesignStyleSheet, control->styleSheet());
    if (auto *field = qobject_cast<QLineEdit *>(control))
        noteWhetherTextFits(*field);
    if (placed) {
        control->setProperty(kDesignGeometry, control->geometry());
        const QMargins margins = ownMargins(control);
        control->setProperty(kDesignMargins, QRect(margins.left(), margins.top(), margins.right(), margins.bottom()));
    }
}

// A field's frame does not grow or shrink with the scale: where a text that fitted the design
// no longer fits the room left inside it, its face is set smaller to fit.
void keepFieldTextWhole(QLineEdit *field, bool fittedAtDesign)
{
    if (!fittedAtDesign)
        return;
    if (const QFont fitting = faceFittingText(*field, field->font(), 0.0); fitting != field->font())
        field->setFont(fitting);
}

void scale(QWidget *control, double scale, bool placed)
{
    remember(control, placed);
    if (const QVariant font = control->property(kDesignFont); font.typeId() == QMetaType::QFont)
        control->setFont(scaledFace(control, font.value<QFont>(), scale));
    if (const QString sheet = control->property(kDesignStyleSheet).toString(); !sheet.isEmpty())
        control->setStyleSheet(scaledStyleSheet(sheet, scale));
    if (placed) {
        control->setGeometry(scaledRect(control->property(kDesignGeometry).toRect(), scale));
        const QRect margins = control->property(kDesignMargins).toRect();
        if (!margins.isNull())
            setOwnMargins(
                control,
                scaledMargins(QMargins(margins.left(), margins.top(), margins.width(), margins.height()), scale));
    }
    // A field that sets its own text's size does so for the room its margins leave it now.
    if (auto *shrinking = dynamic_cast<ShrinksItsText *>(control))
        shrinking->fitText();
    else if (auto *field = qobject_cast<QLineEdit *>(control))
        keepFieldTextWhole(field, textFittedAtDesign(*field));
}

// Frames and plain widgets hold controls the screen placed; any other control's children
// are its own parts, which it lays out itself.
bool holdsPlacedControls(const QWidget *widget)
{
    const QMetaObject *kind = widget->metaObject();
    return (kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject) && !widget->layout();
}

void scaleChildren(QWidget *parent, double factor)
{
    for (QObject *child : parent->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->isWindow())
            continue;
        scale(control, factor, true);
        if (holdsPlacedControls(control))
            scaleChildren(control, factor);
    }
}

} // namespace

double largestScale(QSize design, QSize room)
{
    if (design.isEmpty() || room.isEmpty())
        return 0.0;
    return std::min(double(room.width()) / design.width(), double(room.height()) / design.height());
}

QRect scaledRect(QRect design, double scale)
{
    const int left = int(std::lround(design.x() * scale));
    const int top = int(std::lround(design.y() * scale));
    const int right = int(std::lround((design.x() + design.width()) * scale));
    const int bottom = int(std::lround((design.y() + design.height()) * scale));
    return QRect(left, top, right - left, bottom - top);
}

QString scaledStyleSheet(const QString &design, double scale)
{
    static const QRegularExpression pixels(QStringLiteral("(\\d+)px"));
    QString result;
    qsizetype from = 0;
    for (auto match = pixels.globalMatch(design); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        result += design.mid(from, found.capturedStart() - from);
        result += QString::number(scaledLength(found.captured(1).toInt(), scale)) + QStringLiteral("px");
        from = found.capturedEnd();
    }
    return result + design.mid(from);
}

void scaleControls(QWidget *area, double factor)
{
    // The area's own face is the application's, unless it has one of its own.
    if (!area->property(kDesignFont).isValid()) {
        area->setProperty(kDesignFont, area->testAttribute(Qt::WA_SetFont) ? area->font() : QApplication::font(area));
        area->setProperty(kDesignStyleSheet, area->styleSheet());
    }
    scale(area, factor, false);
    scaleChildren(area, factor);
}

} // namespace kalyxteron
