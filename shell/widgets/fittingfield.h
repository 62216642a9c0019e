// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/appearance/fieldtext.h"

#include <QFont>
#include <QLineEdit>

#include <optional>

namespace kalyxteron {

// A field for a name that is printed. A name longer than the field is shown smaller, so that
// more of it is seen, but never smaller than it would ever be printed; and the field takes no
// more than the printed page holds on two lines at that size.
class FittingField : public QLineEdit, public ShrinksItsText {
    Q_OBJECT
public:
    explicit FittingField(QWidget *parent);

    /// The face the field is written in, before its text is set smaller to show more of it.
    QFont face() const override { return m_face; }
    /// Whether the field, edited from what it held to hold this, would print whole at no less
    /// than the least printed size.
    bool printsWhole(const QString &edited) const;
    /// Whether the field takes an edit: it must print whole, and it must not add a letter
    /// where the field refused one already.
    bool takes(const QString &edited);
    /// Sets the text's size for the field's room as it now stands.
    void fitText() override;

protected:
    /// Whether a text is only what the field shows before anything is written in it.
    virtual bool isBlank(const QString &text) const { return text.isEmpty(); }
    /// What goes on paper of an edit from a text the field held: all of it, unless the field
    /// itself makes something of it.
    virtual QString printedPart(const QString &before, const QString &edited) const;

    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    /// What goes on paper with the field: its screen's client area.
    const QWidget *printedArea() const;

    QFont m_face;
    QString m_held;                  // the text as it stood before the edit being checked
    std::optional<QString> m_fullAt; // the text the field refused a letter after, while it holds it
    bool m_fitting = false;
};

} // namespace kalyxteron
