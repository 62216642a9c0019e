// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diploma/namefield.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <vector>

namespace kalyxteron {

namespace {

constexpr int kDottedRun = 3; // full stops in a row that are the dotted line, not typed text

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
