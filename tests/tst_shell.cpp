// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformfixture.h"
#include "shell/widgets/linedcaption.h"
#include "testing.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMenuBar>
#include <QRegularExpression>

#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

// Start-up, the home screen, the hand-over between screens, the exits, and the
// instructions and credits screens.
class TestShell : public PlatformFixture {
    Q_OBJECT
private slots:
    void startUpShowsTheHomeScreenQuietly();
    void homeOperationsButtonShowsOneItemALine();
    void homeChoiceListBeginsWithItsSeparator();
    void homeOperationsButtonDoesNothing();
    void menus_data();
    void menus();
    void clientAreas_data();
    void clientAreas();
    void handOvers_data();
    void handOvers();
    void exits_data();
    void exits();
    void closeControlEndsQuietly_data();
    void closeControlEndsQuietly();
    void startUpAgainAfterTheEnd();
    void aHundredHandOversStartAfresh();
    void instructionParagraphsShowTheirLines_data();
    void instructionParagraphsShowTheirLines();
    void creditsTexts();
};

void TestShell::startUpShowsTheHomeScreenQuietly()
{
    QApplication::setQuitOnLastWindowClosed(true);
    startUp();
    QCOMPARE(onShow(), QStringLiteral("frminfo"));
    QVERIFY(m_fake->messages.isEmpty());
    // For a moment during every hand-over no window is open: that must not end the program.
    QVERIFY(!QApplication::quitOnLastWindowClosed());
    QCOMPARE(currentScreen()->windowTitle(),
             QStringLiteral("Πράξεις ακέραιων αριθμών για όλα τα παιδιά του Δημοτικού Σχολείου - Τελμάριος και "
                            "Κορβίδαλος"));
    QCOMPARE(label("lblminima")->text(),
             QStringLiteral("Φίλοι μου γεια σας. Στο περιβάλλον αυτό μπορείτε να ασκηθείτε στις 4 πράξεις των "
                            "ακέραιων αριθμών. Μπορείτε να προσθέσετε, να αφαιρέσετε, να πολλαπλασιάσετε και να "
                            "διαιρέσετε τους αριθμούς που εμφανίζονται στην οθόνη σας τυχαία ή τους αριθμούς της "
                            "δική σας επιλογής. "));
    const QString operations = QStringLiteral(" Πράξεις Ακεραίων") + QString(7, u' ') + "1. Άθροισμα (+)" +
                               QString(8, u' ') + "2. Διαφορά (-)" + QString(11, u' ') + "3. Γινόμενο (X)" +
                               QString(9, u' ') + "4. Πηλίκο (:)" + QString(10, u' ');
    QCOMPARE(button("cmdprog")->text(), operations);
    // The only control of the home screen that takes the focus.
    QList<QWidget *> focusable;
    for (QWidget *w : currentScreen()->clientArea()->findChildren<QWidget *>())
        if (w->focusPolicy() & Qt::TabFocus)
            focusable << w;
    QCOMPARE(focusable.size(), 1);
    QCOMPARE(focusable.first()->objectName(), QStringLiteral("cmdprog"));
}

void TestShell::homeOperationsButtonShowsOneItemALine()
{
    startUp();
    auto *operations = qobject_cast<LinedButton *>(button("cmdprog"));
    QVERIFY(operations);
    QCOMPARE(operations->lines(), (QStringList{" Πράξεις Ακεραίων", "1. Άθροισμα (+)", "2. Διαφορά (-)",
                                               "3. Γινόμενο (X)", "4. Πηλίκο (:)"}));
    // ... each whole on its line, in the calligraphic face or in the one standing in for it.
    const QString face = qEnvironmentVariable("KALYXTERON_EXPECTED_CALLIGRAPHIC_FACE");
    if (!face.isEmpty())
        QCOMPARE(QFontInfo(operations->font()).family(), face);
    const QFontMetrics metrics(operations->font());
    const QRect shown =
        metrics.boundingRect(operations->rect(), Qt::AlignCenter | Qt::TextWordWrap, operations->lines().join(u'\n'));
    // Five lines, not six: no line wraps (the height of the lines is rounded, hence the margin).
    QVERIFY2(shown.height() < (operations->lines().size() + 1) * metrics.lineSpacing(), "a line wraps");
    QVERIFY(operations->rect().contains(shown));
}

void TestShell::homeChoiceListBeginsWithItsSeparator()
{
    startUp();
    auto *choice = control<QMenu>("epilogi");
    choice->popup(QPoint());
    QVERIFY(QTest::qWaitForWindowExposed(choice, kEventWithinMs));
    QVERIFY(choice->actionGeometry(entry("mnusep3")).height() > 0);
    QVERIFY(choice->actionGeometry(entry("mnusep3")).top() < choice->actionGeometry(entry("classA")).top());
    choice->hide();
}

void TestShell::homeOperationsButtonDoesNothing()
{
    startUp();
    click("cmdprog");
    QCOMPARE(onShow(), QStringLiteral("frminfo"));
    QCOMPARE(m_fake->beeps, 0);
    QCOMPARE(m_fake->log, QStringList());
}

void TestShell::menus_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("menu");
    QTest::newRow("home") << ScreenId::Home
                          << "info:&Πληροφορίες | epilogi:&Επιλογή[mnusep3:-, classA:&Τάξη Α΄, mnusep1:-, "
                             "classB:&Τάξη Β΄, mnusep4:-, arxiki:&Τάξεις Γ΄-ΣΤ΄, mnusep2:-, exit:&Έξοδος]";
    QTest::newRow("instructions") << ScreenId::Instructions
                                  << "epilogi:&Επιλογή[clasA:&Τάξη Α΄, mnusep1:-, clasB:&Τάξη Β΄, mnusep2:-, "
                                     "clasCST:&Τάξεις Γ΄- ΣΤ΄]";
    QTest::newRow("credits") << ScreenId::Credits << "arxiki:&Αρχική Οθόνη";
    // clang-format on
}

void TestShell::menus()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, menu);
    open(screen);
    QCOMPARE(menuOf(currentScreen()), menu);
}

void TestShell::clientAreas_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QSize>("size");
    QTest::newRow("frminfo") << ScreenId::Home << QSize(809, 588);
    QTest::newRow("frmclasA") << ScreenId::GradeA << QSize(807, 586);
    QTest::newRow("frmclassB") << ScreenId::GradeB << QSize(807, 586);
    QTest::newRow("frmbase") << ScreenId::GradesCtoF << QSize(809, 588);
    QTest::newRow("odigies") << ScreenId::Instructions << QSize(703, 440);
    QTest::newRow("frmmakers") << ScreenId::Credits << QSize(809, 595);
    // clang-format on
}

void TestShell::clientAreas()
{
    QFETCH(ScreenId, screen);
    QFETCH(QSize, size);
    open(screen);
    QCOMPARE(currentScreen()->objectName(), screenName(screen));
    QCOMPARE(currentScreen()->clientArea()->size(), size);
    QVERIFY(!currentScreen()->windowIcon().isNull());
}

void TestShell::handOvers_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("from");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("greetings");

    QTest::newRow("home, grade A") << ScreenId::Home << "classA" << "frmclasA" << 1;
    QTest::newRow("home, grade B") << ScreenId::Home << "classB" << "frmclassB" << 1;
    QTest::newRow("home, grades C-F") << ScreenId::Home << "arxiki" << "frmbase" << 1;
    QTest::newRow("home, credits") << ScreenId::Home << "info" << "frmmakers" << 0;
    QTest::newRow("grade A, home") << ScreenId::GradeA << "arxi" << "frminfo" << 0;
    QTest::newRow("grade A, instructions") << ScreenId::GradeA << "odig" << "odigies" << 0;
    QTest::newRow("grade A, credits") << ScreenId::GradeA << "info" << "frmmakers" << 0;
    QTest::newRow("grade B, home") << ScreenId::GradeB << "arxi" << "frminfo" << 0;
    QTest::newRow("grade B, instructions") << ScreenId::GradeB << "odig" << "odigies" << 0;
    QTest::newRow("grade B, credits") << ScreenId::GradeB << "info" << "frmmakers" << 0;
    QTest::newRow("grades C-F, home") << ScreenId::GradesCtoF << "arxi" << "frminfo" << 0;
    QTest::newRow("grades C-F, instructions") << ScreenId::GradesCtoF << "enimerosi" << "odigies" << 0;
    QTest::newRow("grades C-F, credits") << ScreenId::GradesCtoF << "info" << "frmmakers" << 0;
    QTest::newRow("instructions, grade A") << ScreenId::Instructions << "clasA" << "frmclasA" << 1;
    QTest::newRow("instructions, grade B") << ScreenId::Instructions << "clasB" << "frmclassB" << 1;
    QTest::newRow("instructions, grades C-F") << ScreenId::Instructions << "clasCST" << "frmbase" << 1;
    QTest::newRow("credits, home") << ScreenId::Credits << "arxiki" << "frminfo" << 0;
    // clang-format on
}

void TestShell::handOvers()
{
    QFETCH(ScreenId, from);
    QFETCH(QString, entry);
    QFETCH(QString, target);
    QFETCH(int, greetings);
    open(from);
    const int before = int(m_fake->messages.size());
    m_fake->onMessage = [this](const QString &) {
        // A greeting comes before its screen is on show, while no screen is visible.
        QCOMPARE(visibleScreens(), QStringList());
    };
    choose(entry.toLatin1().constData());
    m_fake->onMessage = nullptr;
    QCOMPARE(onShow(), target);
    QCOMPARE(visibleScreens(), QStringList{target});
    QCOMPARE(int(m_fake->messages.size()) - before, greetings);
    QCOMPARE(m_fake->beeps, 0);
    QCOMPARE(m_fake->ends, 0);
}

void TestShell::exits_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<bool>("visibleAtBeep");
    QTest::newRow("home: plain exit") << ScreenId::Home << true;
    QTest::newRow("grade A: plain exit") << ScreenId::GradeA << true;
    QTest::newRow("grade B: closing exit") << ScreenId::GradeB << false;
    QTest::newRow("grades C-F: plain exit") << ScreenId::GradesCtoF << true;
    // clang-format on
}

void TestShell::exits()
{
    QFETCH(ScreenId, screen);
    QFETCH(bool, visibleAtBeep);
    open(screen);
    m_fake->log.clear();
    choose("exit");
    QCOMPARE(m_fake->log, (QStringList{"beep", "end"}));
    QCOMPARE(m_fake->screensAtBeep.back(), visibleAtBeep ? QStringList{screenName(screen)} : QStringList());
}

void TestShell::closeControlEndsQuietly_data()
{
    // clang-format off
    clientAreas_data();
    // clang-format on
}

void TestShell::closeControlEndsQuietly()
{
    QFETCH(ScreenId, screen);
    open(screen);
    currentScreen()->close();
    QCOMPARE(m_fake->ends, 1);
    QCOMPARE(m_fake->beeps, 0);
    QCOMPARE(currentScreen(), nullptr);
    QCOMPARE(visibleScreens(), QStringList());
}

void TestShell::startUpAgainAfterTheEnd()
{
    startUp();
    currentScreen()->close();
    QCOMPARE(m_fake->ends, 1);
    startUp();
    QCOMPARE(onShow(), QStringLiteral("frminfo"));
    QCOMPARE(visibleScreens(), QStringList{"frminfo"});
}

void TestShell::aHundredHandOversStartAfresh()
{
    startUp();
    constexpr int kVisits = 100;
    for (int i = 0; i < kVisits; ++i) {
        choose("classA");
        QCOMPARE(onShow(), QStringLiteral("frmclasA"));
        QCOMPARE(field("txtvathmos")->text(), QString());
        QCOMPARE(field("txtnum1")->text(), QString());
        // Leave something behind that a fresh visit must not show.
        click("cmdteacher");
        type("txtnum1", QStringLiteral("5"));
        choose("arxi");
        QCOMPARE(onShow(), QStringLiteral("frminfo"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(int(m_fake->messages.size()), kVisits); // one greeting a visit
    QCOMPARE(visibleScreens(), QStringList{"frminfo"});
    int screens = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        screens += qobject_cast<Screen *>(w) != nullptr;
    QCOMPARE(screens, 1); // the screens left behind are gone
}

void TestShell::instructionParagraphsShowTheirLines_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("paragraph 1") << "Label1" << 245
                                 << QStringList{" 1. Για να αρχίσετε να εργάζεστε με το πρόγραμμα θα πρέπει να",
                                                "πατήσετε στο πράσινο κουμπί, για να εμφανιστούν δύο τυχαίοι",
                                                "αριθμοί ή στο κουμπί \"Δάσκαλος-Μαθητής\", για να καθορίσετε",
                                                "τους δικούς σας αριθμούς."};
    QTest::newRow("paragraph 2") << "Label3" << 397
                                 << QStringList{"2.  Κάθε φορά θα πρέπει να ελέγχετε, αν η απάντηση σας είναι σωστή.",
                                                "Όταν βρείτε όλες τις απαντήσεις σας ορθές, τότε πατήστε στο",
                                                "κουμπί  \"διαγραφή\", για να σβήσετε όλους τους αριθμούς.",
                                                "Μπορείτε να ξαναδοκιμάσετε με νέους τυχαίους αριθμούς",
                                                "πατώντας στο πράσινο κουμπί ή αριθμούς της δικής σας επιλογής",
                                                "πατώντας στο κουμπί \"Δάσκαλος- Μαθητής.\""};
    QTest::newRow("paragraph 3") << "Label4" << 273
                                 << QStringList{"3.  Για κάθε σωστή απάντηση κερδίζετε ένα βαθμό. Αν η απάντηση",
                                                "σας είναι λάθος, μπορείτε να διορθώσετε το λάθος σας. Όταν",
                                                "μαζέψετε 30 βαθμούς, τότε μπορείτε να συμπληρώσετε το",
                                                "σχολείο και το όνομα σας και να εκτυπώσετε το δίπλωμα σας."};
    // clang-format on
}

void TestShell::instructionParagraphsShowTheirLines()
{
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(QStringList, lines);
    open(ScreenId::Instructions);
    QCOMPARE(currentScreen()->windowTitle(), QStringLiteral("Οδηγίες - Τελμάριος & Κορβίδαλος"));
    QCOMPARE(label("lblodigies")->text(), QStringLiteral("Βασικές Οδηγίες"));
    auto *paragraph = qobject_cast<LinedLabel *>(label(name.toLatin1().constData()));
    QVERIFY(paragraph);
    QCOMPARE(paragraph->text().size(), length);
    QCOMPARE(paragraph->lines(), lines);
    // Each shown line fits the label's width in its font, so no line wraps further.
    const QFontMetrics metrics(paragraph->font());
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= paragraph->contentsRect().width(), qPrintable(line));
}

void TestShell::creditsTexts()
{
    open(ScreenId::Credits);
    QCOMPARE(currentScreen()->windowTitle(), QStringLiteral("Ανάπτυξη Λογισμικού: Τελμάριος και Κορβίδαλος"));
    QCOMPARE(label("lblinfo")->text(), QStringLiteral("    Τελμάριος  και Κορβίδαλος") + QString(67, u' '));
    QCOMPARE(label("Label1")->text().count(u'\n'), 1);
    QCOMPARE(label("Label2")->text().count(u'\n'), 1);
    QVERIFY(!label("Label2")->font().bold());
    // The program has no public address: the contact line gives none, and no telephone number.
    const QString contact = label("Label2")->text();
    QVERIFY2(!contact.contains(u'@') && !contact.contains(QRegularExpression(QStringLiteral("\\d{3}\\s*\\d{3}"))),
             qPrintable(contact));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
