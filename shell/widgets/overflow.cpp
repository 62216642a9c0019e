// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/overflow.h"

#include "shell/logic/messages.h"
#include "shell/platform.h"

#include <QLineEdit>

namespace kalyxteron {

void refuseOverflow(QLineEdit *fieldToFix, Overflow what)
{
    platform().messageBox(QString::fromUtf8(what == Overflow::Result ? kResultOverflowMessage : kOverflowMessage));
    if (fieldToFix)
        fieldToFix->setFocus();
}

} // namespace kalyxteron
