// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil at a touch panel, with no keyboard in reach: the program's own pads, their keys and
// where they stand.
#include "shell/logic/keypads.h"

#include <QTest>

#include <array>

using namespace kalyxteron;

class TestTouch : public QObject {
    Q_OBJECT
private slots:
    void lettersOfTheKeys_data();
    void lettersOfTheKeys();
    void placeBesideTheField_data();
    void placeBesideTheField();
};

void TestTouch::lettersOfTheKeys_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("capital");
    QTest::addColumn<bool>("tonos");
    QTest::addColumn<bool>("dialytika");
    QTest::addColumn<QString>("typed");
    QTest::newRow("α") << "α" << false << false << false << "α";
    QTest::newRow("α with a tonos") << "α" << false << true << false << "ά";
    QTest::newRow("capital ω with a tonos") << "ω" << true << true << false << "Ώ";
    QTest::newRow("ι with a dialytika and a tonos") << "ι" << false << true << true << "ΐ";
    QTest::newRow("capital υ with a dialytika") << "υ" << true << false << true << "Ϋ";
    QTest::newRow("final sigma as a capital") << "ς" << true << false << false << "Σ";
    QTest::newRow("β takes no tonos") << "β" << false << true << false << "β";
    QTest::newRow("a digit has no capital") << "7" << true << false << false << "7";
}

void TestTouch::lettersOfTheKeys()
{
    QFETCH(QString, letter);
    QFETCH(bool, capital);
    QFETCH(bool, tonos);
    QFETCH(bool, dialytika);
    QFETCH(QString, typed);
    QCOMPARE(keyText(letter, capital, tonos, dialytika), typed);
}

void TestTouch::placeBesideTheField_data()
{
    QTest::addColumn<QRect>("room");
    QTest::addColumn<QRect>("field");
    QTest::addColumn<QList<QRect>>("keepClear");
    QTest::addColumn<QRect>("placed"); // empty: nowhere
    const QRect room(0, 0, 300, 100);
    const QRect field(0, 0, 50, 20);
    QTest::newRow("right of the field") << room << field << QList<QRect>{} << QRect(55, 0, 60, 60);
    QTest::newRow("past its check") << room << field << QList<QRect>{{55, 0, 40, 20}} << QRect(100, 0, 60, 60);
    QTest::newRow("level with its bottom, over a check below") << room << QRect(0, 40, 50, 20)
                                                              << QList<QRect>{{55, 80, 40, 20}} << QRect(55, 0, 60, 60);
    QTest::newRow("left where the right is full") << QRect(0, 0, 200, 100) << QRect(140, 0, 50, 20) << QList<QRect>{}
                                                  << QRect(75, 0, 60, 60);
    QTest::newRow("below where neither side has room") << QRect(0, 0, 100, 200) << QRect(20, 0, 60, 20)
                                                       << QList<QRect>{} << QRect(20, 25, 60, 60);
    QTest::newRow("nowhere") << QRect(0, 0, 70, 70) << QRect(10, 10, 50, 50) << QList<QRect>{} << QRect();
}

void TestTouch::placeBesideTheField()
{
    QFETCH(QRect, room);
    QFETCH(QRect, field);
    QFETCH(QList<QRect>, keepClear);
    QFETCH(QRect, placed);
    constexpr std::array sides{Side::Right, Side::Left, Side::Below, Side::Above};
    constexpr int kGap = 5;
    const std::optional<QRect> place = placeBeside(QSize(60, 60), field, keepClear, room, kGap, sides);
    QCOMPARE(place.value_or(QRect()), placed);
}

QTEST_MAIN(TestTouch)
#include "tst_touch.moc"
