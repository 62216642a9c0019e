// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "residentmemory.h"

#include <QByteArray>
#include <QFile>

namespace kalyxteron::test {

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace kalyxteron::test
