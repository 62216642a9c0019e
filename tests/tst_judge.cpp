// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/rules/judge.h"

#include <QTest>

using namespace kalyxteron;

Q_DECLARE_METATYPE(kalyxteron::Operation)
Q_DECLARE_METATYPE(kalyxteron::Verdict)
Q_DECLARE_METATYPE(kalyxteron::Field)

// How a check judges what the pupil typed, from the texts of the fields.
class TestJudge : public QObject {
    Q_OBJECT
private slots:
    void operation_data();
    void operation();
    void operandsAsWrittenBack_data();
    void operandsAsWrittenBack();
    void division_data();
    void division();
    void correctDivision_data();
    void correctDivision();
};

namespace {
constexpr bool kGuard = true;
constexpr bool kNoGuard = false;
} // namespace

void TestJudge::operation_data()
{
    // clang-format off
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("guard");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<Field>("overflowed");

    const auto Sum = Operation::Sum;
    const auto Diff = Operation::Difference;
    const auto Prod = Operation::Product;
    const auto R = Verdict::Right;
    const auto W = Verdict::Wrong;
    const auto Z = Verdict::ZeroOperand;
    const auto O = Verdict::Overflow;
    const auto None = Field::None;

    QTest::newRow("12+5=17") << Sum << "17" << "12" << "5" << kGuard << R << None;
    QTest::newRow("12-5=7") << Diff << "7" << "12" << "5" << kGuard << R << None;
    QTest::newRow("12x5=60") << Prod << "60" << "12" << "5" << kGuard << R << None;
    QTest::newRow("12+5 is not 18") << Sum << "18" << "12" << "5" << kGuard << W << None;
    QTest::newRow("3-5=-2") << Diff << "-2" << "3" << "5" << kGuard << R << None;
    QTest::newRow("3-5 is not 2") << Diff << "2" << "3" << "5" << kGuard << W << None;
    QTest::newRow("4-4 empty answer is 0") << Diff << "" << "4" << "4" << kGuard << R << None;
    QTest::newRow("letters read as 0, wrong") << Sum << "abc" << "4" << "4" << kGuard << W << None;
    QTest::newRow("answer 7.5 counts as 8") << Sum << "7.5" << "5" << "3" << kGuard << R << None;
    QTest::newRow("answer 6.5 counts as 6") << Sum << "6.5" << "3" << "3" << kGuard << R << None;
    QTest::newRow("answer with blanks") << Sum << " 1 7 " << "12" << "5" << kGuard << R << None;
    QTest::newRow("operand 7.5 is 8") << Sum << "10" << "7.5" << "2" << kGuard << R << None;
    QTest::newRow("operand 6.5 is 6") << Sum << "8" << "6.5" << "2" << kGuard << R << None;
    QTest::newRow("grade A, 5 and 0") << Sum << "5" << "5" << "0" << kNoGuard << R << None;
    QTest::newRow("grade A, all empty: sum") << Sum << "" << "" << "" << kNoGuard << R << None;
    QTest::newRow("grade A, all empty: difference") << Diff << "" << "" << "" << kNoGuard << R << None;
    QTest::newRow("grade A, all empty: product") << Prod << "" << "" << "" << kNoGuard << R << None;
    QTest::newRow("guard: second empty") << Sum << "5" << "5" << "" << kGuard << Z << None;
    QTest::newRow("guard: second 0") << Prod << "0" << "5" << "0" << kGuard << Z << None;
    QTest::newRow("guard: first 0.4 rounds to 0") << Sum << "3" << "0.4" << "3" << kGuard << Z << None;
    QTest::newRow("guard: negatives pass") << Sum << "1" << "-3" << "4" << kGuard << R << None;
    QTest::newRow("200x200 overflows") << Prod << "0" << "200" << "200" << kGuard << O << None;
    QTest::newRow("32767+1 overflows") << Sum << "0" << "32767" << "1" << kGuard << O << None;
    QTest::newRow("-32768-1 overflows") << Diff << "0" << "-32768" << "1" << kGuard << O << None;
    QTest::newRow("answer 40000 overflows first") << Prod << "40000" << "200" << "200" << kGuard << O << Field::Answer;
    QTest::newRow("32767+0 grade A fits") << Sum << "32767" << "32767" << "0" << kNoGuard << R << None;
    QTest::newRow("answer 99999") << Sum << "99999" << "12" << "5" << kGuard << O << Field::Answer;
    QTest::newRow("first 99999") << Sum << "17" << "99999" << "5" << kGuard << O << Field::First;
    QTest::newRow("second 1e400") << Sum << "17" << "12" << "1e400" << kGuard << O << Field::Second;
    QTest::newRow("answer 32767.5") << Sum << "32767.5" << "12" << "5" << kGuard << O << Field::Answer;
    QTest::newRow("answer -32768.5 fits") << Diff << "-32768.5" << "0" << "32767" << kNoGuard << W << None;
    // clang-format on
}

void TestJudge::operation()
{
    QFETCH(Operation, operation);
    QFETCH(QString, answer);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, guard);
    QFETCH(Verdict, verdict);
    QFETCH(Field, overflowed);
    const Judgement j = judgeOperation(operation, answer, first, second, guard);
    QCOMPARE(j.verdict, verdict);
    QCOMPARE(j.overflowed, overflowed);
    // Operands are written back unless reading one of the texts overflowed.
    QCOMPARE(j.first.has_value(), overflowed == Field::None);
}

void TestJudge::operandsAsWrittenBack_data()
{
    // clang-format off
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("writtenFirst");
    QTest::addColumn<int>("writtenSecond");
    QTest::newRow("12 with leading blanks") << "   12" << "5" << 12 << 5;
    QTest::newRow("7.5 and 6.5") << "7.5" << "6.5" << 8 << 6;
    QTest::newRow("letters become 0") << "abc" << "x" << 0 << 0;
    QTest::newRow("8.5 and 9.5") << "8.5" << "9.5" << 8 << 10;
    QTest::newRow("negative") << "-3" << "4" << -3 << 4;
    // clang-format on
}

void TestJudge::operandsAsWrittenBack()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, writtenFirst);
    QFETCH(int, writtenSecond);
    const Judgement j = judgeOperation(Operation::Sum, QStringLiteral("0"), first, second, kGuard);
    QVERIFY(j.first && j.second);
    QCOMPARE(int(*j.first), writtenFirst);
    QCOMPARE(int(*j.second), writtenSecond);
}

void TestJudge::division_data()
{
    // clang-format off
    QTest::addColumn<QString>("quotient");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("hasRemainder");
    QTest::addColumn<QString>("remainder");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<Field>("overflowed");

    const auto R = Verdict::Right;
    const auto W = Verdict::Wrong;
    const auto Z = Verdict::ZeroOperand;
    const auto O = Verdict::Overflow;
    const auto None = Field::None;

    QTest::newRow("17:5 = 3 r 2") << "3" << "17" << "5" << true << "2" << R << None;
    QTest::newRow("17:5, remainder 1 wrong") << "3" << "17" << "5" << true << "1" << W << None;
    QTest::newRow("17:5, quotient 4 wrong") << "4" << "17" << "5" << true << "2" << W << None;
    QTest::newRow("15:5, empty remainder is 0") << "3" << "15" << "5" << true << "" << R << None;
    QTest::newRow("3:5, empty quotient, remainder 3") << "" << "3" << "5" << true << "3" << R << None;
    QTest::newRow("-17:5 = -3 r -2") << "-3" << "-17" << "5" << true << "-2" << R << None;
    QTest::newRow("-17:5 is not -4 r 3") << "-4" << "-17" << "5" << true << "3" << W << None;
    QTest::newRow("17:-5 = -3 r 2") << "-3" << "17" << "-5" << true << "2" << R << None;
    QTest::newRow("quotient 3.4 counts as 3") << "3.4" << "17" << "5" << true << "2" << R << None;
    QTest::newRow("quotient 2.5 counts as 2") << "2.5" << "10" << "4" << true << "2" << R << None;
    QTest::newRow("quotient 3.5 counts as 4") << "3.5" << "8" << "2" << true << "" << R << None;
    QTest::newRow("operand 7.5 divided as 8") << "4" << "7.5" << "2" << true << "0" << R << None;
    QTest::newRow("grade B: 17:5 asks for 3") << "3" << "17" << "5" << false << "" << R << None;
    QTest::newRow("grade B: 17:5 is not 4") << "4" << "17" << "5" << false << "" << W << None;
    QTest::newRow("first empty") << "3" << "" << "5" << true << "" << Z << None;
    QTest::newRow("second 0") << "3" << "17" << "0" << false << "" << Z << None;
    QTest::newRow("-32768:-1 does not fit") << "0" << "-32768" << "-1" << true << "0" << O << None;
    QTest::newRow("remainder 99999") << "3" << "17" << "5" << true << "99999" << O << Field::Remainder;
    QTest::newRow("quotient 1e400") << "1e400" << "17" << "5" << true << "2" << O << Field::Answer;
    // clang-format on
}

void TestJudge::division()
{
    QFETCH(QString, quotient);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, hasRemainder);
    QFETCH(QString, remainder);
    QFETCH(Verdict, verdict);
    QFETCH(Field, overflowed);
    const Judgement j =
        judgeDivision(quotient, first, second, hasRemainder ? std::optional<QStringView>(remainder) : std::nullopt);
    QCOMPARE(j.verdict, verdict);
    QCOMPARE(j.overflowed, overflowed);
}

void TestJudge::correctDivision_data()
{
    // clang-format off
    QTest::addColumn<int>("dividend");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("remainder");
    QTest::newRow("17 5") << 17 << 5 << 3 << 2;
    QTest::newRow("-17 5") << -17 << 5 << -3 << -2;
    QTest::newRow("17 -5") << 17 << -5 << -3 << 2;
    QTest::newRow("-17 -5") << -17 << -5 << 3 << -2;
    QTest::newRow("3 5") << 3 << 5 << 0 << 3;
    QTest::newRow("-32768 1") << -32768 << 1 << -32768 << 0;
    QTest::newRow("32767 -1") << 32767 << -1 << -32767 << 0;
    // clang-format on
}

void TestJudge::correctDivision()
{
    QFETCH(int, dividend);
    QFETCH(int, divisor);
    QFETCH(int, quotient);
    QFETCH(int, remainder);
    const auto d = kalyxteron::correctDivision(qint16(dividend), qint16(divisor));
    QVERIFY(d.has_value());
    QCOMPARE(int(d->quotient), quotient);
    QCOMPARE(int(d->remainder), remainder);
}

QTEST_APPLESS_MAIN(TestJudge)
#include "tst_judge.moc"
