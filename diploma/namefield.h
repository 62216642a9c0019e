// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/widgets/fittingfield.h"

namespace kalyxteron {

/// Whether a text holds nothing but full stops (an empty one included).
bool onlyFullStops(QStringView text);

// A diploma's field for a name, written on a dotted line: the field begins full
// of full stops that the pupil types over. A screen reader hears what to type
// there (its accessible name) and what has been typed, not the run of full stops.
class NameField : public FittingField {
    Q_OBJECT
public:
    NameField(QWidget *parent, const char *name, int stops, const QString &whatToType);

protected:
    bool isBlank(const QString &text) const override;
    // While the field holds only its full stops, they give way to what is put among them.
    QString printedPart(const QString &before, const QString &edited) const override;
};

} // namespace kalyxteron
