// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/widgets/overflow.h"

#include "shell/logic/messages.h"
#include "shell/platform.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/screen.h"

#include <QLineEdit>

namespace kalyxteron {

void refuseOverflow(QLineEdit *fieldToFix, Overflow what)
{
    const QString told = QString::fromUtf8(what == Overflow::Result ? kResultOverflowMessage : kOverflowMessage);
    if (Screen *screen = currentScreen())
        screen->tell(told);
    else
        platform().messageBox(told);
    if (fieldToFix)
        fieldToFix->setFocus();
}

} // namespace kalyxteron
