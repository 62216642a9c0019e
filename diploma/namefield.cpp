// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diploma/namefield.h"

#include "shell/logic/blankruns.h"

#include <QAccessibleWidget>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>
#include <array>
#include <vector>

namespace kalyxteron {

namespace {

// The field's text as a screen reader gets it: without the runs of full stops. Offsets
// into it are mapped to and from the field's own, so the caret and selections agree.
class NameFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NameFieldAccessible(QLineEdit *field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? heard() : QAccessibleWidget::text(t);
    }

    QString text(int startOffset, int endOffset) const override
    {
        const QString all = heard();
        if (endOffset < 0 || endOffset > all.size())
            endOffset = int(all.size());
        startOffset = std::clamp(startOffset, 0, endOffset);
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(kept().size()); }

    int cursorPosition() const override { return toHeard(field()->cursorPosition()); }
    void setCursorPosition(int position) override { field()->setCursorPosition(toField(position)); }

    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !field()->hasSelectedText())
            return;
        *startOffset = toHeard(field()->selectionStart());
        *endOffset = toHeard(field()->selectionEnd());
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            field()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        const int start = toField(startOffset);
        field()->setSelection(start, toField(endOffset) - start);
    }

    // Where each letter stands does not matter to what is read; the field's box stands for all.
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &) const override { return cursorPosition(); }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }

    // The positions in the field's text of the characters a screen reader gets.
    std::vector<int> kept() const
    {
        const QString all = field()->text();
        std::vector<int> positions;
        for (int i = 0; i < all.size();) {
            int run = i;
            while (run < all.size() && all[run] == u'.')
                ++run;
            if (run - i >= kDottedRun) {
                i = run;
                continue;
            }
            for (const int end = std::max(run, i + 1); i < end; ++i)
                positions.push_back(i);
        }
        return positions;
    }
    QString heard() const
    {
        const QString all = field()->text();
        QString result;
        for (int position : kept())
            result += all[position];
        return result;
    }
    int toHeard(int fieldOffset) const
    {
        const std::vector<int> positions = kept();
        return int(std::lower_bound(positions.begin(), positions.end(), fieldOffset) - positions.begin());
    }
    int toField(int heardOffset) const
    {
        const std::vector<int> positions = kept();
        if (heardOffset >= 0 && heardOffset < int(positions.size()))
            return positions[std::size_t(heardOffset)];
        return int(field()->text().size());
    }
};

// The dotted line of a field is there to be written on: the first time the pupil puts text into
// a field that holds only its full stops - typing, pasting, dropping, an input method - the full
// stops give way to that text. After that the field is the pupil's, and nothing is removed.
class DottedLine : public QObject {
public:
    explicit DottedLine(QLineEdit *field) : QObject(field), m_field(field)
    {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, &DottedLine::edited);
    }

protected:
    // The pupil edits a field while it handles one of these events: note what it held before.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        static constexpr std::array kEditing{QEvent::KeyPress, QEvent::InputMethod, QEvent::Drop,
                                             QEvent::MouseButtonRelease, QEvent::ContextMenu};
        if (watched != m_field || m_written ||
            std::find(kEditing.begin(), kEditing.end(), event->type()) == kEditing.end())
            return false;
        m_before = m_field->text();
        m_replaced = int(m_field->selectedText().size());
        m_editStart = m_field->hasSelectedText() ? m_field->selectionStart() : m_field->cursorPosition();
        m_typing = false;
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            constexpr auto kCommandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
            m_typing = !key->text().isEmpty() && key->text().front().isPrint() && !(key->modifiers() & kCommandKeys);
        } else if (event->type() == QEvent::InputMethod) {
            m_typing = !static_cast<QInputMethodEvent *>(event)->commitString().isEmpty();
        } else if (event->type() == QEvent::Drop) {
            m_editStart = m_field->cursorPositionAt(static_cast<QDropEvent *>(event)->position().toPoint());
            m_replaced = 0;
        }
        return false;
    }

private:
    void edited(const QString &text)
    {
        if (m_written || !onlyFullStops(m_before))
            return;
        // The edit replaced what was selected (or nothing) at the start noted with what was put there.
        const int after = m_editStart + m_replaced;
        const qsizetype putLength = text.size() - (m_before.size() - m_replaced);
        if (putLength <= 0 || !text.startsWith(m_before.left(m_editStart)) || !text.endsWith(m_before.mid(after)))
            return;
        const QString put = text.mid(m_editStart, putLength);
        // Full stops that are not typed (an undone deletion, a drag along the line) are the line's own.
        if (onlyFullStops(put) && !m_typing)
            return;
        m_written = true;
        m_field->setText(put);
    }

    QLineEdit *m_field;
    QString m_before;
    int m_editStart = 0;
    int m_replaced = 0;
    bool m_typing = false;
    bool m_written = false;
};

QAccessibleInterface *nameFieldAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("kalyxteron::NameField") && object && object->isWidgetType())
        return new NameFieldAccessible(static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

NameField::NameField(QWidget *parent, const char *name, int stops, const QString &whatToType) : FittingField(parent)
{
    // Before anything reaches a screen reader, which keeps the first interface it is given.
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(nameFieldAccessible);
        return true;
    }();
    (void)accessibleInstalled;
    setObjectName(QLatin1String(name));
    setAccessibleName(whatToType);
    setText(QString(stops, u'.'));
    setCursorPosition(0);
    new DottedLine(this);
}

bool onlyFullStops(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'.'; });
}

bool NameField::isBlank(const QString &text) const
{
    return !text.isEmpty() && onlyFullStops(text);
}

QString NameField::printedPart(const QString &before, const QString &edited) const
{
    if (!isBlank(before))
        return edited;
    qsizetype first = 0;
    qsizetype end = edited.size();
    while (first < end && edited[first] == u'.')
        ++first;
    while (end > first && edited[end - 1] == u'.')
        --end;
    return edited.mid(first, end - first);
}

} // namespace kalyxteron
