// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/fittingfield.h"

#include "shell/printing/typesetting.h"
#include "shell/widgets/screen.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QValidator>

namespace kalyxteron {

namespace {

// Refuses what would not print whole: a key that would make the name too long does nothing,
// as at a field's greatest length.
class PrintableText : public QValidator {
public:
    explicit PrintableText(FittingField *field) : QValidator(field), m_field(field) {}
    State validate(QString &input, int &) const override { return m_field->takes(input) ? Acceptable : Invalid; }

private:
    FittingField *m_field;
};

} // namespace

FittingField::FittingField(QWidget *parent) : QLineEdit(parent), m_face(font())
{
    setValidator(new PrintableText(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_held = text;
        // Any change (a deletion, a paste, the program's own) ends the full state.
        if (m_fullAt && *m_fullAt != text)
            m_fullAt.reset();
        fitText();
    });
}

bool FittingField::takes(const QString &edited)
{
    // Once a letter was refused, the field is full: a narrower one typed next is refused too,
    // so that no letters are left out of the middle of a word.
    const bool oneMore = edited.size() == m_held.size() + 1;
    if (oneMore && m_fullAt == m_held)
        return false;
    const bool whole = printsWhole(edited);
    if (!whole && oneMore)
        m_fullAt = m_held;
    return whole;
}

QString FittingField::printedPart(const QString &, const QString &edited) const
{
    return edited;
}

const QWidget *FittingField::printedArea() const
{
    if (const auto *screen = qobject_cast<const Screen *>(window()))
        return screen->clientArea();
    return window();
}

bool FittingField::printsWhole(const QString &edited) const
{
    const QString text = printedPart(m_held, edited);
    const QFontMetricsF metrics(m_face, this);
    const QRect room = textRect(*this);
    const double least = leastPrintedShare(*this, m_face, printedArea());
    // Two lines hold at most twice the room: a longer text is refused before it is laid out.
    if (metrics.horizontalAdvance(text) * least > 2.0 * room.width() + metrics.maxWidth())
        return false;
    return setInRoom(text, metrics, room.size()).share >= least;
}

void FittingField::fitText()
{
    // What is there before anything is written is shown as it was drawn: within the field where
    // it fitted it, running on beyond its edge where it did not.
    const bool blank = isBlank(text());
    QFont shown = m_face;
    if (!blank || textFittedAtDesign(*this))
        shown = faceFittingText(*this, m_face, blank ? 0.0 : leastPrintedShare(*this, m_face, printedArea()));
    if (shown == font())
        return;
    m_fitting = true;
    setFont(shown);
    m_fitting = false;
}

void FittingField::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_face = font();
        fitText();
    }
}

void FittingField::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

} // namespace kalyxteron
