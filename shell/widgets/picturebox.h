// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace kalyxteron {

// An image box: one of the program's pictures, drawn to fit the box without
// distortion. On screen it draws from a cached bitmap of the box's size; on a
// printer it draws the vector picture itself.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const QString &name, const QString &picturePath, const QString &description,
               QRect geometry);

    QString picturePath() const { return m_path; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_path;
};

} // namespace kalyxteron
