// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformfixture.h"
#include "practice/rules/feedbacktables.h"
#include "shell/logic/messages.h"
#include "testing.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>

#include <functional>
#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

namespace {

const QString kReminder = QStringLiteral(" Μην το ξεχάσω!!! Όταν μαζέψεις 20 βαθμούς ο Φοίβος και η Αθηνά θα σου "
                                         "απονέμουν ένα δίπλωμα με όλες τις μασκότ μαζί.");
const QString kOverflow = QString::fromUtf8(kOverflowMessage);
const QStringList kMascotBoxes{"monaxo1972",    "montreal1976", "mosxa1980",  "La1984",    "seoul1988",
                               "varkeloni1992", "atlanta1996",  "sydney2000", "athina2004"};
const QStringList kYears{"1972", "1976", "1980", "1984", "1988", "1992", "1996", "2000", "2004"};
const QStringList kSportBoxes{"baseball",  "tennisneo", "stivos",   "tojov",      "arsivaron", "basket",   "bygmaxia",
                              "football",  "gymn",      "handball", "ippasia",    "istiopl",   "jifaskia", "kopilasia",
                              "mbtminton", "pali",      "pinkBall", "podilasia",  "skopovoli", "softball", "taekvonto",
                              "tzounto",   "volei",     "xokei",    "ygrosstivos"};
constexpr int kMascots = 9;
constexpr int kSportDraws = 26;
constexpr int kWords = 4;
constexpr int kMunich = 0;

// The three steps of a turn, told by cmdrandom, cmdchk and txtxronia.
const QString kWaiting = QStringLiteral("random on, check off, year on");
const QString kAsking = QStringLiteral("random off, check on, year on");
const QString kAnswered = QStringLiteral("random on, check off, year off");

QString flags()
{
    const auto on = [](QWidget *w) { return w->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"); };
    return QStringLiteral("random %1, check %2, year %3")
        .arg(on(button("cmdrandom")), on(button("cmdchk")), on(field("txtxronia")));
}

QString focused()
{
    QWidget *w = currentScreen()->focusWidget();
    return w ? w->objectName() : QString();
}

QString praise(int row)
{
    return kPraiseWords[std::size_t(row)].toString();
}

QString warning(int row)
{
    return kWarningWords[std::size_t(row)].toString();
}

} // namespace

// The mascot quiz: opening, the draw, the check of the year, the score and
// its limits, the mascot diploma at 20 points, and leaving the game.
class TestGame : public PlatformFixture {
    Q_OBJECT
private slots:
    void reminderOnEveryShowing_data();
    void reminderOnEveryShowing();
    void startsWaitingForADraw();
    void keyboardAndScreenReaders();
    void drawSteps_data();
    void drawSteps();
    void typedYears_data();
    void typedYears();
    void rightYear_data();
    void rightYear();
    void yearTooLarge_data();
    void yearTooLarge();
    void scoreRaised_data();
    void scoreRaised();
    void scoreRefused_data();
    void scoreRefused();
    void twentyRightYearsOpenTheMascotDiploma();
    void backFromTheMascotDiplomaStartsAfresh();
    void leaveFromAnyState_data();
    void leaveFromAnyState();
    void hiddenYearNeverOnShow();

private:
    void openGame();
    void draw(int mascot);
    void check(const QString &year);
    void checkWrong(const QString &year, int warningDraw);
    void checkRight(const QString &year, int praiseDraw, int sportDraw = 0);
};

void TestGame::openGame()
{
    open(ScreenId::Game);
    m_fake->forget();
}

void TestGame::draw(int mascot)
{
    m_fake->scriptDraws(kMascots, {mascot});
    click("cmdrandom");
}

// Types a year and checks it, with the draws that a wrong or a right year makes scripted.
void TestGame::check(const QString &year)
{
    type("txtxronia", year);
    click("cmdchk");
}

void TestGame::checkWrong(const QString &year, int warningDraw)
{
    m_fake->scriptDraws(kWords, {warningDraw});
    check(year);
}

void TestGame::checkRight(const QString &year, int praiseDraw, int sportDraw)
{
    m_fake->scriptDraws(kWords, {praiseDraw});
    m_fake->scriptDraws(kSportDraws, {sportDraw});
    check(year);
}

void TestGame::reminderOnEveryShowing_data()
{
    // clang-format off
    QTest::addColumn<QString>("leaveBy");
    QTest::addColumn<QString>("leadsTo");
    QTest::newRow("first showing") << QString() << QString();
    QTest::newRow("again after home") << "arxiki" << "frminfo";
    QTest::newRow("again after credits") << "info" << "frmmakers";
    // clang-format on
}

void TestGame::reminderOnEveryShowing()
{
    QFETCH(QString, leaveBy);
    QFETCH(QString, leadsTo);
    if (!leaveBy.isEmpty()) {
        open(ScreenId::Game);
        type("txtvathmos", QStringLiteral("7"));
        draw(kMunich);
        choose(qPrintable(leaveBy));
        QCOMPARE(onShow(), leadsTo);
        m_fake->forget();
    }
    // The reminder comes while the game is being created, before it is on show.
    m_fake->onMessage = [](const QString &) { QVERIFY(!visibleScreens().contains("paixnidi")); };
    open(ScreenId::Game);
    m_fake->onMessage = nullptr;
    QCOMPARE(m_fake->messages, QStringList{kReminder});
    QCOMPARE(visibleScreens(), QStringList{"paixnidi"});
    QCOMPARE(field("txtvathmos")->text(), QString());
    QCOMPARE(flags(), kWaiting);
}

void TestGame::startsWaitingForADraw()
{
    openGame();
    Screen *game = currentScreen();
    QCOMPARE(game->windowTitle(), QStringLiteral("Παιχνίδι με τις ΜΑΣΚΟΤ των Ολυμπιακών Αγώνων."));
    QCOMPARE(game->clientArea()->size(), QSize(695, 575));
    QCOMPARE(menuOf(game), QStringLiteral("arxiki:&Αρχική Οθόνη | info:&Πληροφορίες"));
    const QString instruction = label("lbltext")->text();
    QCOMPARE(instruction, QStringLiteral("Φίλοι μου γεια σας. Στο πιο κάτω κουτί θα εμφανίζεται τυχαία μια Μασκότ "
                                         "και εσείς θα πρέπει να γράψετε  τη χρονολογία που χρησιμοποιήθηκε η "
                                         "Μασκότ αυτή."));
    QCOMPARE(instruction.size(), 152);
    QCOMPARE(label("Label1")->text(), QStringLiteral("ΧΡΟΝΟΛΟΓΙΑ"));
    QCOMPARE(label("Label2")->text(), QStringLiteral("Βαθμολογία"));
    QCOMPARE(button("cmdchk")->text(), QStringLiteral("Έλεγχος"));
    QCOMPARE(button("cmdrandom")->text(), QStringLiteral("Εμφάνιση Μασκότ"));
    for (const char *name : {"lblmaskot", "lblmessage"})
        QCOMPARE(label(name)->text(), QString());
    for (const char *name : {"txtxronia", "txtvathmos", "txta"})
        QCOMPARE(field(name)->text(), QString());
    QCOMPARE(flags(), kWaiting);
    QVERIFY(!field("txtvathmos")->isReadOnly());
    QCOMPARE(focused(), QStringLiteral("txtxronia"));
    QCOMPARE(visibleOf(kMascotBoxes + kSportBoxes), QStringList());
    QVERIFY(!field("txta")->isVisible());
}

void TestGame::keyboardAndScreenReaders()
{
    openGame();
    Screen *game = currentScreen();
    // The Tab key visits these four, in this order, and nothing else.
    QStringList order;
    QWidget *w = field("txtxronia");
    do {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !game->clientArea()->isAncestorOf(w));
    } while (w != field("txtxronia"));
    QCOMPARE(order, (QStringList{"txtxronia", "cmdchk", "txtvathmos", "cmdrandom"}));
    for (const char *name : {"cmdchk", "cmdrandom"})
        QVERIFY(!button(name)->isDefault() && !button(name)->autoDefault());

    const auto accessibleName = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    QCOMPARE(accessibleName(field("txtxronia")), QStringLiteral("ΧΡΟΝΟΛΟΓΙΑ"));
    QCOMPARE(accessibleName(field("txtvathmos")), QStringLiteral("Βαθμολογία"));
    QCOMPARE(accessibleName(button("cmdchk")), QStringLiteral("Έλεγχος"));
    QCOMPARE(accessibleName(button("cmdrandom")), QStringLiteral("Εμφάνιση Μασκότ"));
    for (const QString &box : kMascotBoxes + kSportBoxes)
        QVERIFY2(!accessibleName(game->findChild<QWidget *>(box)).isEmpty(), qPrintable(box));
    // A screen reader says which mascot is on show, but not the year asked for.
    for (int i = 0; i < kMascots; ++i)
        QVERIFY(!accessibleName(game->findChild<QWidget *>(kMascotBoxes[i])).contains(kYears[i]));

    // A whole turn with keys alone.
    game->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(game, kEventWithinMs));
    const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    for (int tab = 0; tab < 2; ++tab) // cmdchk is off, so: txtvathmos, cmdrandom
        key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button("cmdrandom"));
    m_fake->scriptDraws(kMascots, {kMunich});
    key(Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), field("txtxronia"));
    QTest::keyClicks(field("txtxronia"), QStringLiteral("1972"));
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button("cmdchk"));
    m_fake->scriptDraws(kWords, {0});
    key(Qt::Key_Space);
    QCOMPARE(m_fake->beeps, 1);
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("1"));
}

void TestGame::drawSteps_data()
{
    // clang-format off
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("year");
    for (int v = 0; v < kMascots; ++v)
        QTest::addRow("%d %s", v, qPrintable(kMascotBoxes[v])) << v << kMascotBoxes[v] << kYears[v];
    // clang-format on
}

void TestGame::drawSteps()
{
    QFETCH(int, value);
    QFETCH(QString, box);
    QFETCH(QString, year);
    openGame();
    draw(kMunich == value ? 1 : kMunich);
    checkRight(field("txta")->text(), 0, 3);
    QCOMPARE(flags(), kAnswered);
    m_fake->forget();

    // By the time the mascot is drawn, the last turn has been cleared away.
    QStringList atDraw;
    m_fake->onReseed = [&] {
        atDraw << flags() << visibleOf(kMascotBoxes + kSportBoxes).join(u',') << label("lblmessage")->text()
               << label("lblmaskot")->text();
    };
    draw(value);
    m_fake->onReseed = nullptr;
    // The year field is opened only after the draw.
    QCOMPARE(atDraw, (QStringList{"random off, check on, year off", QString(), QString(), QString()}));
    QCOMPARE(m_fake->seeds, std::vector<double>{m_fake->seconds});

    QCOMPARE(visibleOf(kMascotBoxes + kSportBoxes), QStringList{box});
    QCOMPARE(field("txta")->text(), year);
    QCOMPARE(field("txtxronia")->text(), QString());
    QCOMPARE(flags(), kAsking);
    QCOMPARE(focused(), QStringLiteral("txtxronia"));
    QVERIFY(m_fake->log.isEmpty());

    // While asking, no other mascot can be drawn.
    click("cmdrandom");
    QCOMPARE(visibleOf(kMascotBoxes), QStringList{box});
    QCOMPARE(m_fake->seeds.size(), std::size_t(1));

    checkRight(year, 0);
    QCOMPARE(m_fake->beeps, 1);
}

void TestGame::typedYears_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("word");
    QTest::newRow("1972") << "1972" << true << 0;
    QTest::newRow("1972.0") << "1972.0" << true << 1;
    QTest::newRow("blanks before and after") << "  1972  " << true << 2;
    QTest::newRow("blank inside") << "19 72" << true << 3;
    QTest::newRow("letter after") << "1972a" << true << 0;
    QTest::newRow("exponent") << "1.972e3" << true << 1;
    QTest::newRow("1972.4") << "1972.4" << false << 0;
    QTest::newRow("1972.5") << "1972.5" << false << 1;
    QTest::newRow("1973") << "1973" << false << 2;
    QTest::newRow("empty") << "" << false << 3;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("minus 1972") << "-1972" << false << 1;
    QTest::newRow("another mascot's year") << "2004" << false << 2;
    // clang-format on
}

void TestGame::typedYears()
{
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QFETCH(int, word);
    openGame();
    type("txtvathmos", QStringLiteral("7"));
    draw(kMunich);
    m_fake->forget();
    if (right)
        checkRight(typed, word);
    else
        checkWrong(typed, word);
    QCOMPARE(m_fake->beeps, right ? 1 : 0);
    QCOMPARE(label("lblmaskot")->text(), right ? praise(word) : warning(word));
    QCOMPARE(field("txtvathmos")->text(), right ? QStringLiteral("8") : QStringLiteral("7"));
    QCOMPARE(visibleOf(kMascotBoxes), QStringList{"monaxo1972"});
    if (right)
        return;
    // A wrong year leaves the turn open as it stood, for another try.
    QCOMPARE(m_fake->seeds, std::vector<double>{m_fake->fraction});
    QCOMPARE(flags(), kAsking);
    QCOMPARE(field("txtxronia")->text(), typed);
    QCOMPARE(focused(), QStringLiteral("txtxronia"));
    QCOMPARE(visibleOf(kSportBoxes), QStringList());
    QCOMPARE(label("lblmessage")->text(), QString());
    checkRight(QStringLiteral("1972"), 0);
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("8"));
}

void TestGame::rightYear_data()
{
    // clang-format off
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    // Athletics comes up twice, its captions told apart by a leading blank.
    QTest::newRow("0 baseball") << 0 << "baseball" << " Μπείζμπολ";
    QTest::newRow("1 tennisneo") << 1 << "tennisneo" << "Τένις ";
    QTest::newRow("2 stivos, athletics") << 2 << "stivos" << "Στίβος";
    QTest::newRow("3 tojov") << 3 << "tojov" << " Τοξοβολία";
    QTest::newRow("4 arsivaron") << 4 << "arsivaron" << " Άρση Βαρών";
    QTest::newRow("5 basket") << 5 << "basket" << " Μπάσκετ";
    QTest::newRow("6 bygmaxia") << 6 << "bygmaxia" << " Πυγμαχία";
    QTest::newRow("7 football") << 7 << "football" << " Ποδόσφαιρο";
    QTest::newRow("8 gymn") << 8 << "gymn" << " Γυμναστική";
    QTest::newRow("9 handball") << 9 << "handball" << " Χάντμπολ";
    QTest::newRow("10 ippasia") << 10 << "ippasia" << " Ιππασία";
    QTest::newRow("11 istiopl") << 11 << "istiopl" << "Ιστιοπλοΐα";
    QTest::newRow("12 jifaskia") << 12 << "jifaskia" << " Ξιφασκία";
    QTest::newRow("13 kopilasia") << 13 << "kopilasia" << " Κωπηλασία";
    QTest::newRow("14 mbtminton") << 14 << "mbtminton" << " Μπάτμιντον";
    QTest::newRow("15 pali") << 15 << "pali" << " Πάλη";
    QTest::newRow("16 pinkBall") << 16 << "pinkBall" << "Πινγκ  πονγκ ";
    QTest::newRow("17 podilasia") << 17 << "podilasia" << " Ποδηλασία";
    QTest::newRow("18 skopovoli") << 18 << "skopovoli" << "Σκοποβολή";
    QTest::newRow("19 softball") << 19 << "softball" << " Σόφτμπολ";
    QTest::newRow("20 stivos, athletics again") << 20 << "stivos" << " Στίβος";
    QTest::newRow("21 taekvonto") << 21 << "taekvonto" << "Ταεκβοντό";
    QTest::newRow("22 tzounto") << 22 << "tzounto" << "Τζούντο";
    QTest::newRow("23 volei") << 23 << "volei" << " Βόλεϊ";
    QTest::newRow("24 xokei") << 24 << "xokei" << " Χόκεϊ επί χόρτου";
    QTest::newRow("25 ygrosstivos") << 25 << "ygrosstivos" << " Υγρός Στίβος";
    // clang-format on
}

void TestGame::rightYear()
{
    QFETCH(int, value);
    QFETCH(QString, box);
    QFETCH(QString, caption);
    const int word = value % kWords;
    openGame();
    draw(kMunich);
    m_fake->forget();
    checkRight(QStringLiteral("1972"), word, value);
    QCOMPARE(m_fake->log, QStringList{"beep"});
    QCOMPARE(m_fake->seeds, (std::vector<double>{m_fake->fraction, m_fake->seconds}));
    QCOMPARE(label("lblmaskot")->text(), praise(word));
    QCOMPARE(visibleOf(kSportBoxes), QStringList{box});
    QCOMPARE(label("lblmessage")->text(), caption);
    QCOMPARE(visibleOf(kMascotBoxes), QStringList{"monaxo1972"});
    QCOMPARE(flags(), kAnswered);
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("1"));

    // The next draw clears the year, the word and the sport.
    draw(kMascots - 1);
    QCOMPARE(visibleOf(kMascotBoxes + kSportBoxes), QStringList{"athina2004"});
    QCOMPARE(field("txtxronia")->text() + label("lblmaskot")->text() + label("lblmessage")->text(), QString());
}

void TestGame::yearTooLarge_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::newRow("1e400") << "1e400";
    QTest::newRow("-1e400") << "-1e400";
    QTest::newRow("400 digits") << QString(400, u'9');
    // clang-format on
}

void TestGame::yearTooLarge()
{
    QFETCH(QString, typed);
    openGame();
    type("txtvathmos", QStringLiteral("7"));
    draw(kMunich);
    checkWrong(QStringLiteral("1973"), 1);
    m_fake->forget();
    check(typed);
    QCOMPARE(m_fake->log, QStringList{"message: " + kOverflow});
    QVERIFY(m_fake->seeds.empty());
    QCOMPARE(label("lblmaskot")->text(), warning(1));
    QCOMPARE(field("txtxronia")->text(), typed);
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("7"));
    QCOMPARE(flags(), kAsking);
    QCOMPARE(visibleOf(kMascotBoxes + kSportBoxes), QStringList{"monaxo1972"});
}

void TestGame::scoreRaised_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty") << "" << "1";
    QTest::newRow("blanks") << "   " << "1";
    QTest::newRow("letters") << "abc" << "1";
    QTest::newRow("2.5 rounds to 2") << "2.5" << "3";
    QTest::newRow("3.5 rounds to 4") << "3.5" << "5";
    QTest::newRow("18") << "18" << "19";
    QTest::newRow("19 reaches the diploma") << "19" << "20";
    QTest::newRow("100 passes it") << "100" << "101";
    QTest::newRow("32766, the last to raise") << "32766" << "32767";
    QTest::newRow("negative") << "-5" << "-4";
    QTest::newRow("-32768.5 rounds to -32768") << "-32768.5" << "-32767";
    // clang-format on
}

void TestGame::scoreRaised()
{
    QFETCH(QString, typed);
    QFETCH(QString, after);
    openGame();
    QPointer<Screen> game = currentScreen();
    draw(kMunich);
    type("txtvathmos", typed);
    checkRight(QStringLiteral("1972"), 0);
    QCOMPARE(m_fake->beeps, 1);
    QVERIFY(game);
    QCOMPARE(game->findChild<QLineEdit *>("txtvathmos")->text(), after);
    const bool diploma = after.toInt() >= 20;
    QCOMPARE(game->isClosed(), diploma);
    if (diploma)
        QCOMPARE(onShow(), QStringLiteral("dimplomamaskot"));
    else
        QCOMPARE(flags(), kAnswered);
}

void TestGame::scoreRefused_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::newRow("40000") << "40000";
    QTest::newRow("32767 cannot be raised") << "32767";
    QTest::newRow("32767.5 rounds beyond") << "32767.5";
    QTest::newRow("-32769") << "-32769";
    QTest::newRow("1e400") << "1e400";
    // clang-format on
}

void TestGame::scoreRefused()
{
    QFETCH(QString, typed);
    openGame();
    draw(kMunich);
    type("txtvathmos", typed);
    m_fake->forget();
    check(QStringLiteral("1972"));
    // Refused before anything of the right year happens: the same mascot is still asked.
    QCOMPARE(m_fake->log, QStringList{"message: " + kOverflow});
    QVERIFY(m_fake->seeds.empty());
    QCOMPARE(field("txtvathmos")->text(), typed);
    QCOMPARE(flags(), kAsking);
    QCOMPARE(label("lblmaskot")->text(), QString());
    QCOMPARE(visibleOf(kMascotBoxes + kSportBoxes), QStringList{"monaxo1972"});
    QCOMPARE(focused(), QStringLiteral("txtvathmos"));
    // Put right, the same year now earns its point.
    type("txtvathmos", QStringLiteral("5"));
    checkRight(QStringLiteral("1972"), 0);
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("6"));
    QCOMPARE(flags(), kAnswered);
}

void TestGame::twentyRightYearsOpenTheMascotDiploma()
{
    openGame();
    QPointer<Screen> game = currentScreen();
    for (int point = 1; point < 20; ++point) {
        const int mascot = point % kMascots;
        draw(mascot);
        checkWrong(QStringLiteral("1900"), 0); // wrong tries earn nothing
        checkRight(kYears[mascot], 0);
        QCOMPARE(field("txtvathmos")->text(), QString::number(point));
    }
    QCOMPARE(onShow(), QStringLiteral("paixnidi"));
    draw(kMunich);
    checkRight(QStringLiteral("1972"), 0);
    QVERIFY(game && game->isClosed());
    QVERIFY(!visibleScreens().contains("paixnidi"));
    QCOMPARE(onShow(), QStringLiteral("dimplomamaskot"));
}

void TestGame::backFromTheMascotDiplomaStartsAfresh()
{
    openGame();
    type("txtvathmos", QStringLiteral("19"));
    draw(kMunich);
    checkRight(QStringLiteral("1972"), 0);
    QCOMPARE(onShow(), QStringLiteral("dimplomamaskot"));
    m_fake->forget();
    choose("game");
    QCOMPARE(onShow(), QStringLiteral("paixnidi"));
    QCOMPARE(m_fake->messages, QStringList{kReminder});
    QCOMPARE(field("txtvathmos")->text(), QString());
    QCOMPARE(flags(), kWaiting);
}

void TestGame::leaveFromAnyState_data()
{
    // clang-format off
    QTest::addColumn<int>("state"); // 0 waiting, 1 asking, 2 after a wrong year, 3 answered
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("leadsTo");
    const QStringList states{"waiting", "asking", "after a wrong year", "answered"};
    for (int state = 0; state < states.size(); ++state) {
        QTest::addRow("%s, home", qPrintable(states[state])) << state << "arxiki" << "frminfo";
        QTest::addRow("%s, credits", qPrintable(states[state])) << state << "info" << "frmmakers";
    }
    // clang-format on
}

void TestGame::leaveFromAnyState()
{
    QFETCH(int, state);
    QFETCH(QString, command);
    QFETCH(QString, leadsTo);
    openGame();
    QPointer<Screen> game = currentScreen();
    if (state > 0)
        draw(kMunich);
    if (state == 2)
        checkWrong(QStringLiteral("1900"), 0);
    if (state == 3)
        checkRight(QStringLiteral("1972"), 0);
    m_fake->forget();
    choose(qPrintable(command));
    QCOMPARE(onShow(), leadsTo);
    QVERIFY(!game || game->isClosed());
    QCOMPARE(visibleScreens(), QStringList{leadsTo});
    QCOMPARE(m_fake->beeps + m_fake->ends, 0);
}

void TestGame::hiddenYearNeverOnShow()
{
    openGame();
    QLineEdit *hidden = field("txta");
    const auto neverOnShow = [hidden] {
        QVERIFY(!hidden->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(hidden)->text(QAccessible::Value), QString());
    };
    neverOnShow();
    draw(kMunich);
    QCOMPARE(hidden->text(), QStringLiteral("1972"));
    neverOnShow();
    checkWrong(QStringLiteral("1900"), 0);
    neverOnShow();
    check(QStringLiteral("1e400"));
    neverOnShow();
    checkRight(QStringLiteral("1972"), 0);
    neverOnShow();
    draw(kMascots - 1);
    neverOnShow();
}

QTEST_MAIN(TestGame)
#include "tst_game.moc"
