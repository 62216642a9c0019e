// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformfixture.h"
#include "practice/rules/feedbacktables.h"
#include "shell/logic/messages.h"
#include "shell/logic/numeric.h"
#include "testing.h"

#include <QApplication>

#include <memory>
#include <tuple>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

namespace {

const QString kGreeting =
    QStringLiteral("Φίλοι μου γεια σας. Όταν μαζέψετε 30 βαθμούς o Φοίβος και η Αθηνά θα σας δώσουν ένα δίπλωμα.");
const QString kZeroOperand = QStringLiteral("Να γράψετε 2 αριθμούς μεγαλύτερους από το 0");
const QStringList kMascotBoxes{"atlanta1996", "vlanti1972",    "montreal1976", "misa1980",  "La1984",
                               "seoul1988",   "varkeloni1992", "sidney2000",   "athina2004"};
constexpr int kPraise = 4;
constexpr int kMascots = 9;

QString praise(int row)
{
    return kPraiseWords[std::size_t(row)].toString();
}

QString warning(int row)
{
    return kWarningWords[std::size_t(row)].toString();
}

QString focused()
{
    QWidget *w = currentScreen()->focusWidget();
    return w ? w->objectName() : QString();
}

} // namespace

// The three practice screens: what they show when opened, the problem setting,
// the clear, the checks with their rewards, and the diploma award.
class TestPractice : public PlatformFixture {
    Q_OBJECT
private slots:
    void opensWithTheGreeting_data();
    void opensWithTheGreeting();
    void texts_data();
    void texts();
    void colours();
    void everyWordIsWholeAtOneSize_data();
    void everyWordIsWholeAtOneSize();
    void focusOrder_data();
    void focusOrder();
    void clearOnAFreshScreen();
    void randomDraw_data();
    void randomDraw();
    void teacherStudentMode_data();
    void teacherStudentMode();
    void scoreRefusesTyping_data();
    void scoreRefusesTyping();
    void enterChecksNothing();
    void rightResults_data();
    void rightResults();
    void aLockedFieldShowsNoSelection_data();
    void aLockedFieldShowsNoSelection();
    void wrongResults_data();
    void wrongResults();
    void mascotRows_data();
    void mascotRows();
    void wrongAfterRightHidesTheMascot();
    void zeroOperands_data();
    void zeroOperands();
    void division_data();
    void division();
    void gradeAProductReleasesTheClear();
    void clearAfterAWholeProblem();
    void overflowIsRefused_data();
    void overflowIsRefused();
    void scoreBelowTheAward();
    void diplomaAward_data();
    void diplomaAward();

private:
    void openGrade(ScreenId id);
    void setProblem(const QString &first, const QString &second);
};

void TestPractice::openGrade(ScreenId id)
{
    open(id);
    m_fake->forget();
}

void TestPractice::setProblem(const QString &first, const QString &second)
{
    click("cmdteacher");
    type("txtnum1", first);
    type("txtnum2", second);
}

static void addGrades()
{
    QTest::addColumn<ScreenId>("grade");
    QTest::newRow("grade A") << ScreenId::GradeA;
    QTest::newRow("grade B") << ScreenId::GradeB;
    QTest::newRow("grades C-F") << ScreenId::GradesCtoF;
}

void TestPractice::opensWithTheGreeting_data()
{
    // clang-format off
    addGrades();
    // clang-format on
}

void TestPractice::opensWithTheGreeting()
{
    QFETCH(ScreenId, grade);
    startUp();
    m_fake->onMessage = [](const QString &) { QCOMPARE(visibleScreens(), QStringList()); };
    open(grade);
    m_fake->onMessage = nullptr;
    QCOMPARE(m_fake->messages, QStringList{kGreeting});
    QCOMPARE(visibleScreens(), QStringList{screenName(grade)});

    const bool divides = grade != ScreenId::GradeA;
    for (const char *name : {"txtnum1", "txtnum2", "txtadd", "txtdiaf", "txtmult", "txtvathmos"})
        QCOMPARE(field(name)->text(), QString());
    QVERIFY(field("txtnum1")->isReadOnly());
    QVERIFY(field("txtnum2")->isReadOnly());
    QVERIFY(field("txtvathmos")->isReadOnly());
    for (const char *name : {"cmdchadd", "cmdchdiaf", "cmdchmult"})
        QVERIFY(!button(name)->isEnabled());
    QCOMPARE(currentScreen()->findChild<QPushButton *>("cmdypoloipo") != nullptr, divides);
    if (divides)
        QVERIFY(!button("cmdypoloipo")->isEnabled());
    for (const char *name : {"cmdrand", "cmdteacher", "cdmdiagrafi"})
        QVERIFY(button(name)->isEnabled());
    for (const char *name : {"lblchadd", "lblchdiaf", "lblchmult", "lblmessage"})
        QCOMPARE(label(name)->text(), QString());
    QCOMPARE(visibleOf(kMascotBoxes), QStringList());
    QCOMPARE(currentScreen()->findChild<QLineEdit *>("txtypoloipo") != nullptr, grade == ScreenId::GradesCtoF);
}

void TestPractice::texts_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<QString>("menu");
    QTest::newRow("grade A")
        << ScreenId::GradeA
        << "Τάξη Α΄- Πράξεις ακεραίων(Άθροισμα - Διαφορά - Γινόμενο)- Τελμάριος και Κορβίδαλος  "
        << "Να βρείτε το άθροισμα, τη διαφορά και το γινόμενο για τους τυχαίους αριθμούς που εμφανίζονται κάθε "
           "φορά στα κίτρινα κουτιά. "
        << "epilogi:&Επιλογή[arxi:&Αρχική Οθόνη, mnusep1:-, exit:&Έξοδος] | odig:&Οδηγίες | info:&Πληροφορίες";
    QTest::newRow("grade B")
        << ScreenId::GradeB
        << "Τάξη Β΄- Πράξεις ακεραίων (Άθροισμα-Διαφορά-Γινόμενο-Πηλίκο)- Τελμάριος & Κορβίδαλος "
        << "Να βρείτε το άθροισμα, τη διαφορά, το γινόμενο και το πηλίκο για τους τυχαίους αριθμούς που "
           "εμφανίζονται κάθε φορά στα κίτρινα κουτιά. "
        << "epilogi:&Επιλογή[arxi:&Αρχική Οθόνη, mnusep1:-, exit:&Έξοδος] | odig:&Οδηγίες | info:&Πληροφορίες";
    QTest::newRow("grades C-F")
        << ScreenId::GradesCtoF
        << "Τάξεις Γ'-ΣΤ - Πράξεις ακεραίων (Άθροισμα-Διαφορά-Γινόμενο-Πηλίκο)- Τελμάριος & Κορβίδαλος "
        << "Να βρείτε το άθροισμα, τη διαφορά, το γινόμενο και το πηλίκο (με το υπόλοιπο)  για τους τυχαίους "
           "αριθμούς που εμφανίζονται κάθε φορά στα κίτρινα κουτιά. "
        << "epilogi:&Επιλογή[arxi:&Αρχική Οθόνη, mnusep1:-, exit:&Έξοδος] | enimerosi:&Οδηγίες | "
           "info:&Πληροφορίες";
    // clang-format on
}

void TestPractice::texts()
{
    QFETCH(ScreenId, grade);
    QFETCH(QString, caption);
    QFETCH(QString, instruction);
    QFETCH(QString, menu);
    openGrade(grade);
    QCOMPARE(currentScreen()->windowTitle(), caption);
    QCOMPARE(label("lblodigia")->text(), instruction);
    QCOMPARE(menuOf(currentScreen()), menu);
    QCOMPARE(label("Label3")->text(), QStringLiteral("Άθροισμα (+)"));
    QCOMPARE(label("Label1")->text(), QStringLiteral("Διαφορά (-)"));
    QCOMPARE(label("Label2")->text(), QStringLiteral("Γινόμενο (\u03a7)")); // Greek capital chi
    QCOMPARE(label("lblvath")->text(), QStringLiteral("Βαθμολογία"));
    QCOMPARE(button("cmdrand")->text(), QStringLiteral("Τυχαίοι αριθμοί"));
    QCOMPARE(button("cmdteacher")->text(), QStringLiteral("Δάσκαλος - Μαθητής"));
    QCOMPARE(button("cdmdiagrafi")->text(), QStringLiteral("Διαγραφή"));
    for (const char *name : {"cmdchadd", "cmdchdiaf", "cmdchmult"})
        QCOMPARE(button(name)->text(), QStringLiteral("Έλεγχος"));
    if (grade != ScreenId::GradeA)
        QCOMPARE(label("Label4")->text(), QStringLiteral("Πηλίκο(:)"));
    if (grade == ScreenId::GradesCtoF)
        QCOMPARE(label("Label5")->text(), QStringLiteral("Υπόλοιπο της διαίρεσης(:)"));
}

void TestPractice::colours()
{
    openGrade(ScreenId::GradesCtoF);
    QCOMPARE(field("txtnum1")->palette().color(QPalette::Base), QColor(255, 255, 128));
    QCOMPARE(field("txtnum2")->palette().color(QPalette::Base), QColor(255, 255, 128));
    QVERIFY(button("cmdrand")->styleSheet().contains(QStringLiteral("rgb(128,255,128)")));
    QCOMPARE(currentScreen()->clientArea()->palette().color(QPalette::Window), QColor(224, 224, 224));
    QVERIFY(field("txtnum1")->font().bold());
    QCOMPARE(field("txtnum1")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

void TestPractice::everyWordIsWholeAtOneSize_data()
{
    // clang-format off
    addGrades();
    // clang-format on
}

// Each praise and warning word in each row's place, and each operation's name: whole, and set
// at the same size as the others of its kind.
void TestPractice::everyWordIsWholeAtOneSize()
{
    QFETCH(ScreenId, grade);
    openGrade(grade);
    const auto wholeAtOneSize = [](const QStringList &names, const QStringList &texts) {
        const int size = label(qPrintable(names.first()))->font().pointSize();
        for (const QString &name : names) {
            QLabel *shown = currentScreen()->findChild<QLabel *>(name);
            if (!shown)
                continue; // a grade without that row
            QCOMPARE(shown->font().pointSize(), size);
            for (const QString &text : texts.isEmpty() ? QStringList{shown->text()} : texts) {
                shown->setText(text);
                const QRect needed = shown->fontMetrics().boundingRect(
                    shown->contentsRect(), int(shown->alignment()) | Qt::TextWordWrap, text);
                QVERIFY2(shown->contentsRect().contains(needed), qPrintable(name + ": " + text));
                QVERIFY2(shown->geometry().right() < shown->parentWidget()->width(), qPrintable(name));
            }
        }
    };
    QStringList words;
    for (int row = 0; row < kPraise; ++row)
        words << praise(row) << warning(row);
    wholeAtOneSize({"lblchadd", "lblchdiaf", "lblchmult", "lblchpiliko"}, words);
    wholeAtOneSize({"Label3", "Label1", "Label2", "Label4", "Label5"}, {});
}

void TestPractice::focusOrder_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("grade A") << ScreenId::GradeA
                             << QStringList{"txtvathmos", "cmdchmult", "cmdchdiaf", "cmdchadd", "txtmult", "txtdiaf",
                                            "txtadd", "cdmdiagrafi", "cmdrand", "txtnum2", "txtnum1", "cmdteacher"};
    QTest::newRow("grade B") << ScreenId::GradeB
                             << QStringList{"cmdypoloipo", "txtvathmos", "cmdchmult", "cmdchdiaf", "cmdchadd",
                                            "txtpiliko", "txtmult", "txtdiaf", "txtadd", "cdmdiagrafi", "cmdrand",
                                            "txtnum2", "txtnum1", "cmdteacher"};
    QTest::newRow("grades C-F") << ScreenId::GradesCtoF
                                << QStringList{"txtnum1", "txtnum2", "cmdrand", "cdmdiagrafi", "txtadd", "txtdiaf",
                                               "txtmult", "txtpiliko", "txtypoloipo", "cmdchadd", "cmdchdiaf",
                                               "cmdchmult", "txtvathmos", "cmdypoloipo", "cmdteacher"};
    // clang-format on
}

void TestPractice::focusOrder()
{
    QFETCH(ScreenId, grade);
    QFETCH(QStringList, order);
    openGrade(grade);
    // The chain visits the order's controls in this sequence.
    QStringList chain;
    QWidget *w = currentScreen()->findChild<QWidget *>(order.first());
    for (int i = 0; i < order.size(); ++i) {
        chain << w->objectName();
        do {
            w = w->nextInFocusChain();
        } while (!order.contains(w->objectName()) && w->objectName() != order.first());
    }
    QCOMPARE(chain, order);
    // At opening the focus is on the first enabled control of the order.
    QString first;
    for (const QString &name : order) {
        if (currentScreen()->findChild<QWidget *>(name)->isEnabled()) {
            first = name;
            break;
        }
    }
    QCOMPARE(focused(), first);
    for (QPushButton *b : currentScreen()->findChildren<QPushButton *>())
        QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));
}

void TestPractice::clearOnAFreshScreen()
{
    openGrade(ScreenId::GradesCtoF);
    click("cdmdiagrafi");
    QCOMPARE(label("lblmessage")->text(), QStringLiteral(" "));
    QCOMPARE(field("txtvathmos")->text(), QString());
    QVERIFY(button("cdmdiagrafi")->isEnabled());
    QVERIFY(!button("cmdchadd")->isEnabled());
    QVERIFY(m_fake->log.isEmpty());
}

void TestPractice::randomDraw_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("grade A: 9 and 2 refused, then 19 and 1")
        << ScreenId::GradeA << 21 << QList<int>{9, 2, 19, 1} << "19" << "1";
    QTest::newRow("grade B: 50 and 2") << ScreenId::GradeB << 100 << QList<int>{50, 2} << "50" << "2";
    QTest::newRow("grades C-F: second redrawn, 17 and 5")
        << ScreenId::GradesCtoF << 100 << QList<int>{17, 1, 5} << "17" << "5";
    // clang-format on
}

void TestPractice::randomDraw()
{
    QFETCH(ScreenId, grade);
    QFETCH(int, n);
    QFETCH(QList<int>, draws);
    QFETCH(QString, first);
    QFETCH(QString, second);
    openGrade(grade);
    for (int d : draws)
        m_fake->scriptDraws(n, {d});
    click("cmdrand");
    QCOMPARE(field("txtnum1")->text(), first);
    QCOMPARE(field("txtnum2")->text(), second);
    QCOMPARE(m_fake->seeds, std::vector<double>{m_fake->fraction}); // reseeded once, from the day fraction
    QCOMPARE(focused(), QStringLiteral("txtadd"));
    QVERIFY(!button("cmdrand")->isEnabled());
    QVERIFY(!button("cmdteacher")->isEnabled());
    QVERIFY(!button("cdmdiagrafi")->isEnabled());
    QVERIFY(button("cmdchadd")->isEnabled() && button("cmdchdiaf")->isEnabled() && button("cmdchmult")->isEnabled());
    if (grade != ScreenId::GradeA)
        QVERIFY(button("cmdypoloipo")->isEnabled());
    QVERIFY(field("txtnum1")->isReadOnly());
}

void TestPractice::teacherStudentMode_data()
{
    // clang-format off
    addGrades();
    // clang-format on
}

void TestPractice::teacherStudentMode()
{
    QFETCH(ScreenId, grade);
    openGrade(grade);
    click("cmdteacher");
    QCOMPARE(focused(), QStringLiteral("txtnum1"));
    QVERIFY(!field("txtnum1")->isReadOnly() && !field("txtnum2")->isReadOnly());
    QVERIFY(!button("cmdrand")->isEnabled() && !button("cmdteacher")->isEnabled() &&
            !button("cdmdiagrafi")->isEnabled());
    QVERIFY(button("cmdchadd")->isEnabled());
    QVERIFY(m_fake->log.isEmpty());
    QTest::keyClicks(field("txtnum1"), QStringLiteral("12"));
    QCOMPARE(field("txtnum1")->text(), QStringLiteral("12"));

    // Once opened, the operand fields stay open: after a clear and after a random draw.
    click("cdmdiagrafi");
    button("cdmdiagrafi")->setEnabled(true);
    click("cdmdiagrafi");
    QCOMPARE(field("txtnum1")->text(), QString());
    QVERIFY(!field("txtnum1")->isReadOnly());
    m_fake->fallbackUniform = 0.0;
    m_fake->scriptDraws(grade == ScreenId::GradeA ? 21 : 100, {10, 2});
    click("cmdrand");
    QCOMPARE(field("txtnum1")->text(), QStringLiteral("10"));
    QVERIFY(!field("txtnum1")->isReadOnly() && !field("txtnum2")->isReadOnly());
}

void TestPractice::scoreRefusesTyping_data()
{
    // clang-format off
    addGrades();
    // clang-format on
}

void TestPractice::scoreRefusesTyping()
{
    QFETCH(ScreenId, grade);
    openGrade(grade);
    QTest::keyClicks(field("txtvathmos"), QStringLiteral("29"));
    QCOMPARE(field("txtvathmos")->text(), QString());
}

void TestPractice::enterChecksNothing()
{
    openGrade(ScreenId::GradesCtoF);
    setProblem("12", "5");
    type("txtadd", "17");
    QTest::keyClick(field("txtadd"), Qt::Key_Return);
    QCOMPARE(label("lblchadd")->text(), QString());
    QCOMPARE(field("txtvathmos")->text(), QString());
    QVERIFY(m_fake->log.isEmpty());
}

void TestPractice::rightResults_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<QString>("answerField");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("checkButton");
    QTest::addColumn<QString>("wordLabel");
    QTest::addColumn<QString>("focusAfter"); // empty: not moved by the check

    for (ScreenId grade : {ScreenId::GradeA, ScreenId::GradeB, ScreenId::GradesCtoF}) {
        const QString name = screenName(grade);
        const bool divides = grade != ScreenId::GradeA;
        QTest::addRow("%s: sum", qPrintable(name)) << grade << "txtadd" << "17" << "cmdchadd" << "lblchadd" << "txtdiaf";
        QTest::addRow("%s: difference", qPrintable(name))
            << grade << "txtdiaf" << "7" << "cmdchdiaf" << "lblchdiaf" << "txtmult";
        QTest::addRow("%s: product", qPrintable(name))
            << grade << "txtmult" << "60" << "cmdchmult" << "lblchmult" << (divides ? "txtpiliko" : "");
    }
    // clang-format on
}

void TestPractice::rightResults()
{
    QFETCH(ScreenId, grade);
    QFETCH(QString, answerField);
    QFETCH(QString, answer);
    QFETCH(QString, checkButton);
    QFETCH(QString, wordLabel);
    QFETCH(QString, focusAfter);
    openGrade(grade);
    setProblem("  12", "5");
    type(answerField.toLatin1().constData(), answer);
    button(checkButton.toLatin1().constData())->setFocus();
    m_fake->scriptDraws(kPraise, {3});
    m_fake->scriptDraws(kMascots, {1});
    click(checkButton.toLatin1().constData());

    QCOMPARE(m_fake->beeps, 1);
    QCOMPARE(label(wordLabel.toLatin1().constData())->text(), QStringLiteral("Τα κατάφερες"));
    QCOMPARE(visibleOf(kMascotBoxes), QStringList{"vlanti1972"});
    QCOMPARE(label("lblmessage")->text(), kMascotTable[1].story.toString());
    QVERIFY(!button(checkButton.toLatin1().constData())->isEnabled());
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("1"));
    QCOMPARE(field("txtnum1")->text(), QStringLiteral("12")); // written back without blanks
    // The praise reseeds from the day fraction, the mascot from the seconds since midnight.
    QCOMPARE(m_fake->seeds, (std::vector<double>{m_fake->fraction, m_fake->seconds}));
    if (!focusAfter.isEmpty())
        QCOMPARE(focused(), focusAfter);
    QVERIFY(m_fake->messages.isEmpty());
}

void TestPractice::aLockedFieldShowsNoSelection_data()
{
    // clang-format off
    addGrades();
    // clang-format on
}

// After the last exercise its check gives up the focus to the next control in order, which may be
// a field the pupil cannot type in: it shows its number unselected.
void TestPractice::aLockedFieldShowsNoSelection()
{
    QFETCH(ScreenId, grade);
    openGrade(grade);
    currentScreen()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(currentScreen(), kEventWithinMs));
    m_fake->useRandomDraws(7);
    click("cmdrand"); // the operands are drawn, and locked
    const int first = field("txtnum1")->text().toInt();
    const int second = field("txtnum2")->text().toInt();
    QVERIFY(first > 0 && second > 0);
    const QList<std::tuple<const char *, const char *, int>> exercises{{"txtadd", "cmdchadd", first + second},
                                                                       {"txtdiaf", "cmdchdiaf", first - second},
                                                                       {"txtmult", "cmdchmult", first * second},
                                                                       {"txtpiliko", "cmdypoloipo", first / second}};
    for (const auto &[answer, check, result] : exercises) {
        if (!currentScreen()->findChild<QLineEdit *>(answer))
            continue;
        type(answer, QString::number(result));
        if (QLineEdit *remainder = currentScreen()->findChild<QLineEdit *>("txtypoloipo"))
            remainder->setText(QString::number(first % second));
        button(check)->setFocus();
        QTest::keyClick(button(check), Qt::Key_Space);
    }
    QApplication::processEvents();
    auto *focus = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(focus);
    QVERIFY(!focus->isReadOnly() || !focus->hasSelectedText());
}

void TestPractice::wrongResults_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<QString>("answerField");
    QTest::addColumn<QString>("checkButton");
    QTest::addColumn<QString>("wordLabel");
    QTest::addColumn<QString>("focusAfter"); // empty: not moved
    QTest::newRow("grade A: sum") << ScreenId::GradeA << "txtadd" << "cmdchadd" << "lblchadd" << "txtdiaf";
    QTest::newRow("grade A: product") << ScreenId::GradeA << "txtmult" << "cmdchmult" << "lblchmult" << "";
    QTest::newRow("grade B: difference") << ScreenId::GradeB << "txtdiaf" << "cmdchdiaf" << "lblchdiaf" << "txtmult";
    QTest::newRow("grade B: product") << ScreenId::GradeB << "txtmult" << "cmdchmult" << "lblchmult" << "";
    QTest::newRow("grades C-F: product")
        << ScreenId::GradesCtoF << "txtmult" << "cmdchmult" << "lblchmult" << "txtpiliko";
    QTest::newRow("grades C-F: sum") << ScreenId::GradesCtoF << "txtadd" << "cmdchadd" << "lblchadd" << "txtdiaf";
    // clang-format on
}

void TestPractice::wrongResults()
{
    QFETCH(ScreenId, grade);
    QFETCH(QString, answerField);
    QFETCH(QString, checkButton);
    QFETCH(QString, wordLabel);
    QFETCH(QString, focusAfter);
    openGrade(grade);
    setProblem("12", "5");
    type(answerField.toLatin1().constData(), "999");
    field(answerField.toLatin1().constData())->setFocus();
    m_fake->scriptDraws(kPraise, {0});
    click(checkButton.toLatin1().constData());
    QCOMPARE(label(wordLabel.toLatin1().constData())->text(), QStringLiteral("Ξαναδοκίμασε"));
    QCOMPARE(m_fake->seeds, std::vector<double>{m_fake->fraction});
    QCOMPARE(m_fake->beeps, 0);
    QVERIFY(button(checkButton.toLatin1().constData())->isEnabled());
    QCOMPARE(field(answerField.toLatin1().constData())->text(), QStringLiteral("999"));
    QCOMPARE(field("txtvathmos")->text(), QString());
    QCOMPARE(focused(), focusAfter.isEmpty() ? answerField : focusAfter);
}

void TestPractice::mascotRows_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<QString>("check");
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("story");
    for (int row = 0; row < kMascots; ++row) {
        const MascotRow &m = kMascotTable[std::size_t(row)];
        QTest::addRow("draw %d on grade A sum", row)
            << ScreenId::GradeA << "sum" << row << m.box.toString() << m.story.toString();
    }
    QTest::newRow("Athens on grades C-F sum, full stop")
        << ScreenId::GradesCtoF << "sum" << kAthensRow << "athina2004" << kAthensStoryWithFullStop.toString();
    QTest::newRow("Athens on grades C-F difference")
        << ScreenId::GradesCtoF << "difference" << kAthensRow << "athina2004" << kMascotTable[7].story.toString();
    QTest::newRow("Athens on grades C-F division")
        << ScreenId::GradesCtoF << "division" << kAthensRow << "athina2004" << kMascotTable[7].story.toString();
    QTest::newRow("Athens on grade B sum")
        << ScreenId::GradeB << "sum" << kAthensRow << "athina2004" << kMascotTable[7].story.toString();
    // clang-format on
}

void TestPractice::mascotRows()
{
    QFETCH(ScreenId, grade);
    QFETCH(QString, check);
    QFETCH(int, draw);
    QFETCH(QString, box);
    QFETCH(QString, story);
    openGrade(grade);
    setProblem("12", "5");
    type("txtadd", "17");
    type("txtdiaf", "7");
    if (grade != ScreenId::GradeA)
        type("txtpiliko", "2");
    if (grade == ScreenId::GradesCtoF)
        type("txtypoloipo", "2");
    m_fake->scriptDraws(kPraise, {0});
    m_fake->scriptDraws(kMascots, {draw});
    click(check == "sum" ? "cmdchadd" : check == "difference" ? "cmdchdiaf" : "cmdypoloipo");
    QCOMPARE(visibleOf(kMascotBoxes), QStringList{box});
    QCOMPARE(label("lblmessage")->text(), story);
    // The picture says what it shows to a screen reader.
    QVERIFY(!currentScreen()->findChild<QWidget *>(box)->accessibleName().isEmpty());
}

void TestPractice::wrongAfterRightHidesTheMascot()
{
    openGrade(ScreenId::GradeB);
    setProblem("12", "5");
    type("txtadd", "17");
    m_fake->scriptDraws(kPraise, {1});
    m_fake->scriptDraws(kMascots, {4});
    click("cmdchadd");
    QCOMPARE(visibleOf(kMascotBoxes), QStringList{"seoul1988"});
    type("txtdiaf", "8");
    m_fake->scriptDraws(kPraise, {2});
    click("cmdchdiaf");
    QCOMPARE(visibleOf(kMascotBoxes), QStringList());
    QCOMPARE(label("lblmessage")->text(), QStringLiteral(" "));
    QCOMPARE(label("lblchdiaf")->text(), warning(2));
    QCOMPARE(label("lblchadd")->text(), praise(1)); // the praise stays beside the sum
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("1"));
}

void TestPractice::zeroOperands_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("answerField");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("releasesClear");
    QTest::newRow("grade B: second empty, sum") << ScreenId::GradeB << "5" << "" << "cmdchadd" << "txtadd" << "5" << true << false;
    QTest::newRow("grades C-F: second 0, product") << ScreenId::GradesCtoF << "5" << "0" << "cmdchmult" << "txtmult" << "0" << true << false;
    QTest::newRow("grades C-F: first 0.4, sum") << ScreenId::GradesCtoF << "0.4" << "3" << "cmdchadd" << "txtadd" << "3" << true << false;
    QTest::newRow("grade B: first empty, division") << ScreenId::GradeB << "" << "5" << "cmdypoloipo" << "txtpiliko" << "0" << true << true;
    QTest::newRow("grades C-F: first 0, division") << ScreenId::GradesCtoF << "0" << "5" << "cmdypoloipo" << "txtpiliko" << "0" << true << true;
    QTest::newRow("grade A: 5 and 0 checks normally") << ScreenId::GradeA << "5" << "0" << "cmdchadd" << "txtadd" << "5" << false << false;
    QTest::newRow("grades C-F: -3 and 4 pass the guard") << ScreenId::GradesCtoF << "-3" << "4" << "cmdchadd" << "txtadd" << "1" << false << false;
    // clang-format on
}

void TestPractice::zeroOperands()
{
    QFETCH(ScreenId, grade);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, check);
    QFETCH(QString, answerField);
    QFETCH(QString, answer);
    QFETCH(bool, refused);
    QFETCH(bool, releasesClear);
    openGrade(grade);
    setProblem(first, second);
    type(answerField.toLatin1().constData(), answer);
    const QString wordName = check == "cmdchadd" ? "lblchadd" : check == "cmdchmult" ? "lblchmult" : "lblchpiliko";
    label(wordName.toLatin1().constData())->setText(QStringLiteral("Σωστό"));
    field("txtadd")->setFocus();
    click(check.toLatin1().constData());
    if (!refused) {
        QVERIFY(m_fake->messages.isEmpty());
        QCOMPARE(field("txtvathmos")->text(), QStringLiteral("1"));
        return;
    }
    QCOMPARE(m_fake->messages, QStringList{kZeroOperand});
    QCOMPARE(focused(), QStringLiteral("txtnum1"));
    // The operands were rewritten as 16-bit numbers before the guard refused them.
    QCOMPARE(field("txtnum1")->text(), QString::number(*readInt16(first)));
    QCOMPARE(field("txtnum2")->text(), QString::number(*readInt16(second)));
    QCOMPARE(field("txtvathmos")->text(), QString());
    QCOMPARE(label(wordName.toLatin1().constData())->text(), QStringLiteral("Σωστό"));
    QVERIFY(button(check.toLatin1().constData())->isEnabled());
    QCOMPARE(button("cdmdiagrafi")->isEnabled(), releasesClear);
    QCOMPARE(m_fake->beeps, 0);
}

void TestPractice::division_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("quotient");
    QTest::addColumn<QString>("remainder");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("focusAfter");
    QTest::newRow("C-F 17:5 = 3 r 2") << ScreenId::GradesCtoF << "17" << "5" << "3" << "2" << true << "";
    QTest::newRow("C-F 17:5, 3 r 1") << ScreenId::GradesCtoF << "17" << "5" << "3" << "1" << false << "txtypoloipo";
    QTest::newRow("C-F 17:5, 4 r 2") << ScreenId::GradesCtoF << "17" << "5" << "4" << "2" << false << "txtypoloipo";
    QTest::newRow("C-F 15:5, empty remainder") << ScreenId::GradesCtoF << "15" << "5" << "3" << "" << true << "";
    QTest::newRow("C-F 3:5, empty quotient") << ScreenId::GradesCtoF << "3" << "5" << "" << "3" << true << "";
    QTest::newRow("C-F -17:5 = -3 r -2") << ScreenId::GradesCtoF << "-17" << "5" << "-3" << "-2" << true << "";
    QTest::newRow("C-F 7.5:2 divides 8") << ScreenId::GradesCtoF << "7.5" << "2" << "4" << "0" << true << "";
    QTest::newRow("B 17:5 asks for 3") << ScreenId::GradeB << "17" << "5" << "3" << "" << true << "";
    QTest::newRow("B 17:5, 4 is wrong, focus stays") << ScreenId::GradeB << "17" << "5" << "4" << "" << false << "cmdypoloipo";
    // clang-format on
}

void TestPractice::division()
{
    QFETCH(ScreenId, grade);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, quotient);
    QFETCH(QString, remainder);
    QFETCH(bool, right);
    QFETCH(QString, focusAfter);
    openGrade(grade);
    setProblem(first, second);
    type("txtpiliko", quotient);
    if (grade == ScreenId::GradesCtoF)
        type("txtypoloipo", remainder);
    button("cmdypoloipo")->setFocus();
    m_fake->scriptDraws(kPraise, {2});
    m_fake->scriptDraws(kMascots, {0});
    click("cmdypoloipo");
    QCOMPARE(label("lblchpiliko")->text(), right ? praise(2) : warning(2));
    QCOMPARE(button("cmdypoloipo")->isEnabled(), !right);
    QCOMPARE(button("cdmdiagrafi")->isEnabled(), right); // the last exercise releases the clear
    QCOMPARE(field("txtvathmos")->text(), right ? QStringLiteral("1") : QString());
    QCOMPARE(visibleOf(kMascotBoxes), right ? QStringList{"atlanta1996"} : QStringList());
    if (!right || !focusAfter.isEmpty())
        QCOMPARE(focused(), focusAfter);
    if (first == "7.5")
        QCOMPARE(field("txtnum1")->text(), QStringLiteral("8"));
}

void TestPractice::gradeAProductReleasesTheClear()
{
    openGrade(ScreenId::GradeA);
    setProblem("3", "4");
    type("txtmult", "12");
    click("cmdchmult");
    QVERIFY(button("cdmdiagrafi")->isEnabled());
    QCOMPARE(m_fake->log.first(), QStringLiteral("beep"));
    click("cdmdiagrafi");
    for (const char *name : {"txtnum1", "txtnum2", "txtadd", "txtdiaf", "txtmult"})
        QCOMPARE(field(name)->text(), QString());
    QCOMPARE(label("lblchmult")->text(), QString());
    QCOMPARE(visibleOf(kMascotBoxes), QStringList());
    QCOMPARE(label("lblmessage")->text(), QStringLiteral(" "));
    QVERIFY(button("cmdchadd")->isEnabled() && button("cmdchdiaf")->isEnabled());
    QVERIFY(!button("cmdchmult")->isEnabled());
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("1"));
    QVERIFY(button("cmdrand")->isEnabled() && button("cmdteacher")->isEnabled());
}

void TestPractice::clearAfterAWholeProblem()
{
    openGrade(ScreenId::GradesCtoF);
    setProblem("12", "5");
    for (auto [answerName, value, check] :
         {std::tuple{"txtadd", "17", "cmdchadd"}, std::tuple{"txtdiaf", "7", "cmdchdiaf"},
          std::tuple{"txtmult", "60", "cmdchmult"}}) {
        type(answerName, value);
        click(check);
    }
    type("txtpiliko", "2");
    type("txtypoloipo", "2");
    click("cmdypoloipo");
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("4"));
    QVERIFY(button("cdmdiagrafi")->isEnabled());
    click("cdmdiagrafi");
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("4"));
    QCOMPARE(field("txtpiliko")->text(), QString());
    QCOMPARE(field("txtypoloipo")->text(), QString());
    QCOMPARE(label("lblchpiliko")->text(), QString());
    for (const char *name : {"cmdchadd", "cmdchdiaf", "cmdchmult", "cmdypoloipo"})
        QVERIFY(!button(name)->isEnabled());
}

void TestPractice::overflowIsRefused_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("answerField");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<bool>("resultTooLarge");
    QTest::newRow("200 x 200") << ScreenId::GradesCtoF << "200" << "200" << "txtmult" << "0" << "cmdchmult" << "txtnum1" << true;
    QTest::newRow("-30000 + -30000") << ScreenId::GradeA << "-30000" << "-30000" << "txtadd" << "0" << "cmdchadd" << "txtnum1" << true;
    QTest::newRow("typed answer 99999") << ScreenId::GradeA << "12" << "5" << "txtadd" << "99999" << "cmdchadd" << "txtadd" << false;
    QTest::newRow("operand 40000") << ScreenId::GradeB << "40000" << "5" << "txtadd" << "1" << "cmdchadd" << "txtnum1" << false;
    QTest::newRow("-32768 : -1") << ScreenId::GradesCtoF << "-32768" << "-1" << "txtpiliko" << "0" << "cmdypoloipo" << "txtnum1" << true;
    QTest::newRow("quotient 1e400") << ScreenId::GradeB << "10" << "5" << "txtpiliko" << "1e400" << "cmdypoloipo" << "txtpiliko" << false;
    // clang-format on
}

void TestPractice::overflowIsRefused()
{
    QFETCH(ScreenId, grade);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, answerField);
    QFETCH(QString, answer);
    QFETCH(QString, check);
    QFETCH(QString, focusAfter);
    QFETCH(bool, resultTooLarge);
    openGrade(grade);
    setProblem(first, second);
    type(answerField.toLatin1().constData(), answer);
    click(check.toLatin1().constData());
    // Numbers that fit with a result that does not: the message says so, not that a number is too large.
    QCOMPARE(m_fake->messages,
             QStringList{QString::fromUtf8(resultTooLarge ? kResultOverflowMessage : kOverflowMessage)});
    QVERIFY(m_fake->messages.first().contains(QStringLiteral("-32768")));
    QVERIFY(m_fake->messages.first().contains(QStringLiteral("32767")));
    QCOMPARE(m_fake->beeps, 0);
    QCOMPARE(field("txtvathmos")->text(), QString());
    for (const char *word : {"lblchadd", "lblchdiaf", "lblchmult"})
        QCOMPARE(label(word)->text(), QString());
    QVERIFY(button(check.toLatin1().constData())->isEnabled());
    QCOMPARE(field(answerField.toLatin1().constData())->text(), answer);
    QCOMPARE(focused(), focusAfter);
    QCOMPARE(onShow(), screenName(grade));
    if (resultTooLarge) {
        // The way on: the teacher types a smaller first number, and the same exercise is judged.
        type("txtnum1", QStringLiteral("1"));
        type(answerField.toLatin1().constData(), QStringLiteral("-29999"));
        click(check.toLatin1().constData());
        QCOMPARE(m_fake->messages.size(), 1);
        const char *word = check == QLatin1String("cmdchadd")    ? "lblchadd"
                           : check == QLatin1String("cmdchmult") ? "lblchmult"
                                                                 : "lblchpiliko";
        QVERIFY(!label(word)->text().isEmpty());
    }
}

void TestPractice::scoreBelowTheAward()
{
    openGrade(ScreenId::GradesCtoF);
    setProblem("12", "5");
    field("txtvathmos")->setText(QStringLiteral("28"));
    type("txtpiliko", "2");
    type("txtypoloipo", "2");
    button("cmdypoloipo")->setFocus();
    click("cmdypoloipo");
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("29"));
    QVERIFY(m_fake->messages.isEmpty());
    QVERIFY(button("cdmdiagrafi")->isEnabled());
    QCOMPARE(onShow(), QStringLiteral("frmbase"));
}

void TestPractice::diplomaAward_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("diploma");
    QTest::newRow("grade A, draw 0") << ScreenId::GradeA << 0 << "dimploma1";
    QTest::newRow("grade A, draw 1") << ScreenId::GradeA << 1 << "dimploma0";
    QTest::newRow("grade B, draw 2") << ScreenId::GradeB << 2 << "dimploma2";
    QTest::newRow("grade B, draw 3") << ScreenId::GradeB << 3 << "dimploma4";
    QTest::newRow("grades C-F, draw 4") << ScreenId::GradesCtoF << 4 << "dimploma5";
    QTest::newRow("grades C-F, draw 5") << ScreenId::GradesCtoF << 5 << "dimploma6";
    // clang-format on
}

void TestPractice::diplomaAward()
{
    QFETCH(ScreenId, grade);
    QFETCH(int, draw);
    QFETCH(QString, diploma);
    openGrade(grade);
    setProblem("12", "5");
    field("txtvathmos")->setText(QStringLiteral("29"));
    type("txtadd", "17");
    m_fake->scriptDraws(kPraise, {0});
    m_fake->scriptDraws(kMascots, {0});
    m_fake->scriptDraws(6, {draw});
    QPointer<QLineEdit> score = field("txtvathmos");
    QString scoreAtFirstBox;
    m_fake->onMessage = [&](const QString &) {
        if (scoreAtFirstBox.isEmpty() && score)
            scoreAtFirstBox = score->text();
    };
    click("cmdchadd");
    m_fake->onMessage = nullptr;
    QCOMPARE(m_fake->messages,
             (QStringList{QStringLiteral(" Μπράβο!!! Πολύ καλή προσπάθεια."),
                          QStringLiteral(" Όταν εκτυπώσεις το δίπλωμα σου, μπορείς να παίξεις ένα παιχνίδι που "
                                         "φτιάξαμε για σένα.")}));
    QCOMPARE(scoreAtFirstBox, QStringLiteral("30"));
    QCOMPARE(m_fake->screensAtMessage[0], QStringList{screenName(grade)}); // still behind the first box
    QCOMPARE(m_fake->screensAtMessage[1], QStringList());                  // gone behind the second
    QCOMPARE(m_fake->seeds.back(), m_fake->seconds);                       // the diploma draw
    QCOMPARE(onShow(), diploma);
    QCOMPARE(visibleScreens(), QStringList{diploma});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(score.isNull()); // the practice screen is gone for good
    QCOMPARE(visibleScreens(), QStringList{diploma});
}

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
