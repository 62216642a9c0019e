// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor the program's start-up and memory are measured against: the least
// a Qt Widgets program of the same kind does. One window whose client area has
// the home screen's size, a menu bar with two lists, and forty plain widgets at
// fixed places; closing the window ends it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr QSize kClientSize{809, 588};
constexpr int kRows = 10; // four widgets a row: a label, a field, two buttons
constexpr int kRowHeight = 50;
constexpr int kTop = 40;
constexpr int kLeft = 20;
constexpr int kLabelWidth = 180;
constexpr int kFieldWidth = 160;
constexpr int kButtonWidth = 170;
constexpr int kGap = 20;
constexpr int kWidgetHeight = 30;

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor: a plain Qt Widgets window"));

    QMenu *first = window.menuBar()->addMenu(QStringLiteral("&Αρχείο"));
    first->addAction(QStringLiteral("&Άνοιγμα"));
    first->addSeparator();
    first->addAction(QStringLiteral("&Έξοδος"), &window, &QWidget::close);
    QMenu *second = window.menuBar()->addMenu(QStringLiteral("&Βοήθεια"));
    second->addAction(QStringLiteral("&Πληροφορίες"));

    auto *client = new QWidget(&window);
    client->setFixedSize(kClientSize);
    for (int row = 0; row < kRows; ++row) {
        const int y = kTop + row * kRowHeight;
        int x = kLeft;
        auto *label = new QLabel(QStringLiteral("Άσκηση %1").arg(row + 1), client);
        label->setGeometry(x, y, kLabelWidth, kWidgetHeight);
        x += kLabelWidth + kGap;
        auto *field = new QLineEdit(client);
        field->setGeometry(x, y, kFieldWidth, kWidgetHeight);
        x += kFieldWidth + kGap;
        auto *check = new QPushButton(QStringLiteral("Έλεγχος"), client);
        check->setGeometry(x, y, kButtonWidth, kWidgetHeight);
        x += kButtonWidth + kGap;
        auto *clear = new QPushButton(QStringLiteral("Καθαρισμός"), client);
        clear->setGeometry(x, y, kButtonWidth, kWidgetHeight);
    }
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
