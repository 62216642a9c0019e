// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace kalyxteron {

// A diploma's field for a name, written on a dotted line: the field begins full
// of full stops that the pupil types over. A screen reader hears what to type
// there (its accessible name) and what has been typed, not the run of full stops.
class NameField : public QLineEdit {
    Q_OBJECT
public:
    NameField(QWidget *parent, const char *name, int stops, const QString &whatToType);
};

} // namespace kalyxteron
