// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/blankruns.h"
#include "shell/logic/numeric.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace kalyxteron;

// How a text a pupil typed is read as a number, and written back.
class TestNumeric : public QObject {
    Q_OBJECT
private slots:
    void numericValue_data();
    void numericValue();
    void tooLargeForADouble_data();
    void tooLargeForADouble();
    void toInt16_data();
    void toInt16();
    void readInt16_data();
    void readInt16();
    void int16ToText_data();
    void int16ToText();
    void numberToText_data();
    void numberToText();
    void shownLines_data();
    void shownLines();
    void captionWithin_data();
    void captionWithin();
};

void TestNumeric::numericValue_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("plain digits") << "42" << 42.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("leading blanks") << "   12" << 12.0;
    QTest::newRow("trailing blanks") << "12   " << 12.0;
    QTest::newRow("blank inside digits") << "19 72" << 1972.0;
    QTest::newRow("tab inside") << "1\t2" << 12.0;
    QTest::newRow("line feed inside") << "1\n2" << 12.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("no-break space stops") << QString::fromUtf8("1\u00a02") << 1.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("minus sign") << "-5" << -5.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("plus alone") << "+" << 0.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("sign after digits stops") << "5-3" << 5.0;
    QTest::newRow("fraction") << "7.5" << 7.5;
    QTest::newRow("fraction without integer") << ".5" << 0.5;
    QTest::newRow("point without fraction") << "5." << 5.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("comma stops") << "3,5" << 3.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("capital exponent") << "2E2" << 200.0;
    QTest::newRow("exponent with plus") << "1e+2" << 100.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("exponent alone") << "e5" << 0.0;
    QTest::newRow("blanks in exponent") << "1 e 2" << 100.0;
    QTest::newRow("fraction and exponent") << "-.5e1" << -5.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("letters after number") << "1972a" << 1972.0;
    QTest::newRow("hex prefix") << "0x10" << 0.0;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("١٢") << 0.0;
    QTest::newRow("full-width digits") << QString::fromUtf8("１２") << 0.0;
    QTest::newRow("greek letters") << QString::fromUtf8("δώδεκα") << 0.0;
    QTest::newRow("emoji after number") << QString::fromUtf8("3😀") << 3.0;
    QTest::newRow("right-to-left mark first") << QString::fromUtf8("\u200f12") << 0.0;
    QTest::newRow("control character first") << QString::fromUtf8("\x01" "12") << 0.0;
    QTest::newRow("tiny exponent vanishes") << "1e-400" << 0.0;
    QTest::newRow("zero with huge exponent") << "0e99999" << 0.0;
    QTest::newRow("huge exponent digits, small mantissa") << "0.000e999999999999" << 0.0;
    QTest::newRow("largest 16-bit") << "32767" << 32767.0;
    QTest::newRow("past 16-bit still read") << "99999" << 99999.0;
    QTest::newRow("long fraction") << "0.12345678901234567890123" << 0.12345678901234567890123;
    QTest::newRow("30000 zeros then 5") << (QString(30000, u'0') + u'5') << 5.0;
    // clang-format on
}

void TestNumeric::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto read = kalyxteron::numericValue(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void TestNumeric::tooLargeForADouble_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::newRow("1e400") << "1e400";
    QTest::newRow("-1e400") << "-1e400";
    QTest::newRow("1e309") << "1e309";
    QTest::newRow("30000 nines") << QString(30000, u'9');
    QTest::newRow("exponent clamp") << "1e99999999999999999999";
    // clang-format on
}

void TestNumeric::tooLargeForADouble()
{
    QFETCH(QString, text);
    QVERIFY(!kalyxteron::numericValue(text).has_value());
    QVERIFY(!kalyxteron::readInt16(text).has_value());
}

void TestNumeric::toInt16_data()
{
    // clang-format off
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("rounded");

    QTest::newRow("zero") << 0.0 << true << 0;
    QTest::newRow("2.5 to even 2") << 2.5 << true << 2;
    QTest::newRow("3.5 to even 4") << 3.5 << true << 4;
    QTest::newRow("6.5 to 6") << 6.5 << true << 6;
    QTest::newRow("7.5 to 8") << 7.5 << true << 8;
    QTest::newRow("-2.5 to -2") << -2.5 << true << -2;
    QTest::newRow("-3.5 to -4") << -3.5 << true << -4;
    QTest::newRow("0.4 to 0") << 0.4 << true << 0;
    QTest::newRow("0.6 to 1") << 0.6 << true << 1;
    QTest::newRow("-0.5 to 0") << -0.5 << true << 0;
    QTest::newRow("largest") << 32767.0 << true << 32767;
    QTest::newRow("smallest") << -32768.0 << true << -32768;
    QTest::newRow("32767.4 down") << 32767.4 << true << 32767;
    QTest::newRow("32767.5 overflows") << 32767.5 << false << 0;
    QTest::newRow("-32768.5 to even -32768") << -32768.5 << true << -32768;
    QTest::newRow("-32768.6 overflows") << -32768.6 << false << 0;
    QTest::newRow("32768 overflows") << 32768.0 << false << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0;
    // clang-format on
}

void TestNumeric::toInt16()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, rounded);
    const auto converted = kalyxteron::toInt16(value);
    QCOMPARE(converted.has_value(), fits);
    if (fits)
        QCOMPARE(int(*converted), rounded);
}

void TestNumeric::readInt16_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("value");

    QTest::newRow("12 with leading blanks") << "   12" << true << 12;
    QTest::newRow("7.5") << "7.5" << true << 8;
    QTest::newRow("8.5") << "8.5" << true << 8;
    QTest::newRow("9.5") << "9.5" << true << 10;
    QTest::newRow("letters") << "abc" << true << 0;
    QTest::newRow("empty") << "" << true << 0;
    QTest::newRow("99999") << "99999" << false << 0;
    QTest::newRow("-99999") << "-99999" << false << 0;
    QTest::newRow("32767.5") << "32767.5" << false << 0;
    QTest::newRow("-32768.5") << "-32768.5" << true << -32768;
    QTest::newRow("3.27675e4") << "3.27675e4" << false << 0;
    QTest::newRow("1e400") << "1e400" << false << 0;
    // clang-format on
}

void TestNumeric::readInt16()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QFETCH(int, value);
    const auto read = kalyxteron::readInt16(text);
    QCOMPARE(read.has_value(), fits);
    if (fits)
        QCOMPARE(int(*read), value);
}

void TestNumeric::int16ToText_data()
{
    // clang-format off
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("positive, no blank") << 12 << "12";
    QTest::newRow("negative") << -7 << "-7";
    QTest::newRow("largest") << 32767 << "32767";
    QTest::newRow("smallest") << -32768 << "-32768";
    // clang-format on
}

void TestNumeric::int16ToText()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(kalyxteron::int16ToText(qint16(value)), text);
}

void TestNumeric::numberToText_data()
{
    // clang-format off
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 1.0 << "1";
    QTest::newRow("thirty") << 30.0 << "30";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("a half") << 3.5 << "3.5";
    QTest::newRow("large whole") << 1e12 << "1000000000000";
    // clang-format on
}

void TestNumeric::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(kalyxteron::numberToText(value), text);
}

void TestNumeric::shownLines_data()
{
    // clang-format off
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("no runs") << "one two" << QStringList{"one two"};
    QTest::newRow("run of two stays") << "2.  Κάθε" << QStringList{"2.  Κάθε"};
    QTest::newRow("run of three breaks") << "a   b" << QStringList{"a", "b"};
    QTest::newRow("leading blank stays") << " 1. a      b" << QStringList{" 1. a", "b"};
    QTest::newRow("trailing blanks go") << "a  " << QStringList{"a"};
    QTest::newRow("long trailing run") << "a" + QString(67, u' ') << QStringList{"a"};
    QTest::newRow("empty") << "" << QStringList{};
    // clang-format on
}

void TestNumeric::shownLines()
{
    QFETCH(QString, caption);
    QFETCH(QStringList, lines);
    QCOMPARE(kalyxteron::shownLines(caption), lines);
}

void TestNumeric::captionWithin_data()
{
    // clang-format off
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("room"); // in letters: every letter is one wide here
    QTest::addColumn<QString>("shown");
    const QString title = QStringLiteral("Απονομή διπλώματος") + QString(40, u' ') + QStringLiteral("1/6");
    QTest::newRow("room for it all") << title << 61 << title;
    QTest::newRow("blanks cut to fit") << title << 30 << "Απονομή διπλώματος         1/6";
    QTest::newRow("no room: one blank") << title << 10 << "Απονομή διπλώματος 1/6";
    QTest::newRow("longest run cut, short ones kept") << "a  b" + QString(9, u' ') + "c" << 8 << "a  b   c";
    QTest::newRow("no run to cut") << "Αθήνα 2004" << 4 << "Αθήνα 2004";
    // clang-format on
}

void TestNumeric::captionWithin()
{
    QFETCH(QString, caption);
    QFETCH(int, room);
    QFETCH(QString, shown);
    QCOMPARE(kalyxteron::captionWithin(caption, room, [](QStringView text) { return int(text.size()); }), shown);
}

QTEST_APPLESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
