// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformfixture.h"
#include "residentmemory.h"
#include "testing.h"

#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

constexpr int kHandOvers = 1000;
constexpr int kChecks = 10000;
// What the caches of fonts, pictures and styles may still take after warming up.
constexpr long kMarginKilobytes = 12 * 1024;

// AddressSanitizer holds freed memory back on purpose, so the resident size says nothing about
// leaks there; LeakSanitizer checks the same run for them instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeaningful = false;
#else
constexpr bool kMemoryIsMeaningful = true;
#endif

void checkGrowth(long before, long after, const char *what)
{
    qInfo("resident memory: %ld kB before, %ld kB after %s", before, after, what);
    QVERIFY2(before > 0 && after > 0, "the process's memory could not be read");
    if (kMemoryIsMeaningful)
        QVERIFY2(after - before < kMarginKilobytes, qPrintable(QStringLiteral("grew by %1 kB").arg(after - before)));
}

} // namespace

// Long use: a thousand hand-overs round every screen and ten thousand checks
// leave no screen behind and no memory growing.
class TestSoak : public PlatformFixture {
    Q_OBJECT
public:
    TestSoak() : PlatformFixture(42) {}

private slots:
    void handOversRoundEveryScreen();
    void checksOnPracticeScreensAndTheGame();

private:
    void roundOfScreens(int count);
    void practiceChecks(int count);
    void gameChecks(int count);
};

void TestSoak::roundOfScreens(int count)
{
    for (int i = 0; i < count; ++i) {
        open(ScreenId(i % kScreenCount));
        QVERIFY(currentScreen());
        settle();
    }
}

void TestSoak::handOversRoundEveryScreen()
{
    roundOfScreens(2 * kScreenCount); // warm the caches
    const long before = residentKilobytes();
    roundOfScreens(kHandOvers);
    const long after = residentKilobytes();
    checkGrowth(before, after, "the hand-overs");
    int screens = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        screens += qobject_cast<Screen *>(w) != nullptr;
    QCOMPARE(screens, 1);
    QCOMPARE(m_fake->ends, 0);
}

void TestSoak::practiceChecks(int count)
{
    const ScreenId grades[] = {ScreenId::GradeA, ScreenId::GradeB, ScreenId::GradesCtoF};
    int done = 0;
    for (int visit = 0; done < count; ++visit) {
        open(grades[visit % 3]);
        settle();
        const bool divides = onShow() != QStringLiteral("frmclasA");
        while (done < count && onShow().startsWith(QStringLiteral("frm"))) {
            if (!button("cmdrand")->isEnabled())
                button("cdmdiagrafi")->isEnabled() ? click("cdmdiagrafi") : void();
            if (button("cmdrand")->isEnabled())
                click("cmdrand");
            const int a = field("txtnum1")->text().toInt();
            const int b = field("txtnum2")->text().toInt();
            // Alternate wrong and right answers.
            const bool right = done % 2 == 0;
            type("txtadd", QString::number(a + b + (right ? 0 : 1)));
            type("txtdiaf", QString::number(a - b));
            type("txtmult", QString::number(a * b));
            for (const char *check : {"cmdchadd", "cmdchdiaf", "cmdchmult"}) {
                if (!onShow().startsWith(QStringLiteral("frm")))
                    break;
                if (button(check)->isEnabled()) {
                    click(check);
                    ++done;
                }
            }
            if (divides && onShow().startsWith(QStringLiteral("frm")) && button("cmdypoloipo")->isEnabled()) {
                type("txtpiliko", QString::number(a / b));
                if (onShow() == QStringLiteral("frmbase"))
                    type("txtypoloipo", QString::number(a % b));
                click("cmdypoloipo");
                ++done;
            }
            if (onShow().startsWith(QStringLiteral("frm")) && !button("cdmdiagrafi")->isEnabled()) {
                // A wrong sum leaves the problem open: answer it rightly to finish.
                type("txtadd", QString::number(a + b));
                click("cmdchadd");
                ++done;
            }
        }
        settle();
    }
}

void TestSoak::gameChecks(int count)
{
    int done = 0;
    while (done < count) {
        open(ScreenId::Game);
        settle();
        while (done < count && onShow() == QStringLiteral("paixnidi")) {
            click("cmdrandom");
            const QString year = currentScreen()->findChild<QLineEdit *>(QStringLiteral("txta"))->text();
            type("txtxronia", QStringLiteral("1900"));
            click("cmdchk");
            type("txtxronia", year);
            click("cmdchk");
            done += 2;
        }
        settle();
    }
}

void TestSoak::checksOnPracticeScreensAndTheGame()
{
    practiceChecks(200);
    gameChecks(200);
    settle();
    const long before = residentKilobytes();
    practiceChecks(kChecks / 2);
    gameChecks(kChecks / 2);
    settle();
    const long after = residentKilobytes();
    checkGrowth(before, after, "the checks");
    QCOMPARE(m_fake->ends, 0);
    QVERIFY(m_fake->beeps > kChecks / 4); // many of the checks were right ones
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
