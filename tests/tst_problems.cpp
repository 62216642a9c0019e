// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/rules/problems.h"
#include "shell/logic/randomdraw.h"

#include <QTest>

#include <deque>
#include <random>
#include <set>

using namespace kalyxteron;

Q_DECLARE_METATYPE(kalyxteron::Grade)

// Which operand pairs each grade's random problems can show, and how the draw finds one.
class TestProblems : public QObject {
    Q_OBJECT
private slots:
    void pairsThatSuit_data();
    void pairsThatSuit();
    void numberOfPossiblePairs_data();
    void numberOfPossiblePairs();
    void manyDrawsShowEveryPairAndNoOther_data();
    void manyDrawsShowEveryPairAndNoOther();
    void redrawRules_data();
    void redrawRules();
    void drawOfMapsUniformToRows_data();
    void drawOfMapsUniformToRows();
};

void TestProblems::pairsThatSuit_data()
{
    // clang-format off
    QTest::addColumn<Grade>("grade");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("suits");

    QTest::newRow("A: 19 and 1") << Grade::A << 19 << 1 << true;
    QTest::newRow("A: 10 and 2") << Grade::A << 10 << 2 << true;
    QTest::newRow("A: 4 and 4") << Grade::A << 4 << 4 << true;
    QTest::newRow("A: 5 and 4 (product 20)") << Grade::A << 5 << 4 << true;
    QTest::newRow("A: 9 and 2, units sum 11") << Grade::A << 9 << 2 << false;
    QTest::newRow("A: 0 never") << Grade::A << 0 << 0 << false;
    QTest::newRow("A: second above 4") << Grade::A << 5 << 5 << false;
    QTest::newRow("A: second larger") << Grade::A << 2 << 3 << false;
    QTest::newRow("A: sum above 20") << Grade::A << 20 << 1 << false;
    QTest::newRow("A: product above 20") << Grade::A << 7 << 3 << false;
    QTest::newRow("B: 50 and 2") << Grade::B << 50 << 2 << true;
    QTest::newRow("B: 10 and 10") << Grade::B << 10 << 10 << true;
    QTest::newRow("B: 2 and 2") << Grade::B << 2 << 2 << true;
    QTest::newRow("B: 17 and 5 leaves a remainder") << Grade::B << 17 << 5 << false;
    QTest::newRow("B: 52 and 2, product above 100") << Grade::B << 52 << 2 << false;
    QTest::newRow("B: 1 is too small") << Grade::B << 4 << 1 << false;
    QTest::newRow("C-F: 17 and 5 with remainder") << Grade::CtoF << 17 << 5 << true;
    QTest::newRow("C-F: 72 and 2") << Grade::CtoF << 72 << 2 << true;
    QTest::newRow("C-F: 13 and 11") << Grade::CtoF << 13 << 11 << true;
    QTest::newRow("C-F: 12 and 12") << Grade::CtoF << 12 << 12 << true;
    QTest::newRow("C-F: 73 and 2") << Grade::CtoF << 73 << 2 << false;
    QTest::newRow("C-F: 13 and 12") << Grade::CtoF << 13 << 12 << false;
    QTest::newRow("C-F: second larger") << Grade::CtoF << 5 << 17 << false;
    QTest::newRow("C-F: 1 is too small") << Grade::CtoF << 9 << 1 << false;
    // clang-format on
}

void TestProblems::pairsThatSuit()
{
    QFETCH(Grade, grade);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, suits);
    QCOMPARE(suitsGrade(grade, {first, second}), suits);
}

namespace {
constexpr int kLargestOperand = 99;

std::set<std::pair<int, int>> suitablePairs(Grade grade)
{
    std::set<std::pair<int, int>> pairs;
    for (int a = 0; a <= kLargestOperand; ++a)
        for (int b = 0; b <= kLargestOperand; ++b)
            if (suitsGrade(grade, {a, b}))
                pairs.insert({a, b});
    return pairs;
}
} // namespace

void TestProblems::numberOfPossiblePairs_data()
{
    // clang-format off
    QTest::addColumn<Grade>("grade");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("largestFirst");
    QTest::addColumn<int>("largestSecond");
    QTest::newRow("grade A") << Grade::A << 33 << 19 << 4;
    QTest::newRow("grade B") << Grade::B << 53 << 50 << 10;
    QTest::newRow("grades C to F") << Grade::CtoF << 235 << 72 << 12;
    // clang-format on
}

void TestProblems::numberOfPossiblePairs()
{
    QFETCH(Grade, grade);
    QFETCH(int, count);
    QFETCH(int, largestFirst);
    QFETCH(int, largestSecond);
    const auto pairs = suitablePairs(grade);
    QCOMPARE(int(pairs.size()), count);
    int first = 0;
    int second = 0;
    for (const auto &[a, b] : pairs) {
        first = std::max(first, a);
        second = std::max(second, b);
        QVERIFY(a - b >= 0); // the difference is never negative
    }
    QCOMPARE(first, largestFirst);
    QCOMPARE(second, largestSecond);
}

void TestProblems::manyDrawsShowEveryPairAndNoOther_data()
{
    // clang-format off
    QTest::addColumn<Grade>("grade");
    QTest::addColumn<int>("draws");
    QTest::newRow("grade A") << Grade::A << 5000;
    QTest::newRow("grade B") << Grade::B << 8000;
    QTest::newRow("grades C to F") << Grade::CtoF << 20000;
    // clang-format on
}

void TestProblems::manyDrawsShowEveryPairAndNoOther()
{
    QFETCH(Grade, grade);
    QFETCH(int, draws);
    std::mt19937_64 generator(20261208);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const auto source = [&] { return uniform(generator); };
    const auto expected = suitablePairs(grade);
    std::map<std::pair<int, int>, int> seen;
    for (int i = 0; i < draws; ++i) {
        const OperandPair p = drawProblem(grade, source);
        QVERIFY2(expected.count({p.first, p.second}),
                 qPrintable(QStringLiteral("%1 and %2").arg(p.first).arg(p.second)));
        ++seen[{p.first, p.second}];
    }
    QCOMPARE(seen.size(), expected.size());
    // Every pair is about equally likely: none is drawn less than a third of its fair share.
    const double fair = double(draws) / double(expected.size());
    for (const auto &[pair, times] : seen)
        QVERIFY2(times > fair / 3,
                 qPrintable(QStringLiteral("%1 and %2 drawn %3 times").arg(pair.first).arg(pair.second).arg(times)));
}

void TestProblems::redrawRules_data()
{
    // clang-format off
    QTest::addColumn<Grade>("grade");
    QTest::addColumn<QList<int>>("draws"); // the successive draws of 21 or 100
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("used"); // how many draws the problem took

    QTest::newRow("A: first pair suits") << Grade::A << QList<int>{10, 2} << 10 << 2 << 2;
    QTest::newRow("A: 9 and 2 drawn again") << Grade::A << QList<int>{9, 2, 8, 2} << 8 << 2 << 4;
    QTest::newRow("A: a zero redraws both") << Grade::A << QList<int>{0, 3, 3, 3} << 3 << 3 << 4;
    QTest::newRow("B: 17 and 5 drawn again") << Grade::B << QList<int>{17, 5, 15, 5} << 15 << 5 << 4;
    QTest::newRow("C-F: second redrawn alone") << Grade::CtoF << QList<int>{17, 0, 1, 5} << 17 << 5 << 4;
    QTest::newRow("C-F: first of 1 redraws both") << Grade::CtoF << QList<int>{1, 5, 17, 5} << 17 << 5 << 4;
    QTest::newRow("C-F: kept first, then too large") << Grade::CtoF << QList<int>{80, 0, 2, 30, 2} << 30 << 2 << 5;
    // clang-format on
}

void TestProblems::redrawRules()
{
    QFETCH(Grade, grade);
    QFETCH(QList<int>, draws);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, used);
    const int n = grade == Grade::A ? 21 : 100;
    std::deque<double> uniforms;
    for (int d : draws)
        uniforms.push_back((d + 0.5) / n);
    int taken = 0;
    const OperandPair p = drawProblem(grade, [&] {
        ++taken;
        if (uniforms.empty())
            qFatal("the draw asked for more values than scripted");
        const double u = uniforms.front();
        uniforms.pop_front();
        return u;
    });
    QCOMPARE(p, (OperandPair{first, second}));
    QCOMPARE(taken, used);
}

void TestProblems::drawOfMapsUniformToRows_data()
{
    // clang-format off
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("uniform");
    QTest::addColumn<int>("row");
    QTest::newRow("0 of 4") << 4 << 0.0 << 0;
    QTest::newRow("just under a quarter") << 4 << 0.2499 << 0;
    QTest::newRow("a quarter") << 4 << 0.25 << 1;
    QTest::newRow("last of 9") << 9 << 0.99999 << 8;
    QTest::newRow("middle of 6") << 6 << 0.5 << 3;
    QTest::newRow("20 of 21") << 21 << 0.999 << 20;
    // clang-format on
}

void TestProblems::drawOfMapsUniformToRows()
{
    QFETCH(int, n);
    QFETCH(double, uniform);
    QFETCH(int, row);
    QCOMPARE(drawOf(n, uniform), row);
}

QTEST_APPLESS_MAIN(TestProblems)
#include "tst_problems.moc"
